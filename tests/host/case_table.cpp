#include "tests/host/case_table.h"

#include "platform/host/machine.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {
[[noreturn]] void Malformed(const std::string& path, int line, const std::string& why) {
    std::cerr << path << ":" << line << ": " << why << "\n";
    std::exit(2);
}

bool YesNo(const std::string& value, const std::string& path, int line) {
    if (value != "yes" && value != "no") {
        Malformed(path, line, "expected yes or no");
    }
    return value == "yes";
}
} // namespace

std::vector<LaunchCase> ReadLaunchCases(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        Malformed(path, 0, "cannot open the case table");
    }
    std::vector<LaunchCase> cases;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line[0] == '[') {
            cases.emplace_back();
            cases.back().name = line.substr(1, line.rfind(']') - 1);
            continue;
        }
        const std::size_t colon = line.find(':');
        if (cases.empty() || colon == std::string::npos) {
            Malformed(path, number, "expected [name] or key: value");
        }
        const std::string key = line.substr(0, colon);
        // One blank after the colon belongs to the syntax; the rest is the value.
        std::string value = line.substr(colon + 1);
        if (!value.empty() && value[0] == ' ') {
            value.erase(0, 1);
        }
        const std::wstring wide = sim::FromUtf8(value);
        LaunchCase& c = cases.back();
        if (key == "dir") {
            c.dir = wide;
        } else if (key == "exe") {
            c.exe = wide;
        } else if (key == "ini") {
            c.hasIni = true;
            c.iniLines.push_back(value);
        } else if (key == "ini-file" && value == "empty") {
            c.hasIni = true;
        } else if (key == "version") {
            c.major = static_cast<unsigned>(std::stoul(value));
            const std::size_t dot = value.find('.');
            c.minor = dot == std::string::npos
                          ? 0
                          : static_cast<unsigned>(std::stoul(value.substr(dot + 1)));
        } else if (key == "admin") {
            c.admin = YesNo(value, path, number);
        } else if (key == "reg") {
            std::istringstream fields(value);
            std::string keyPath, name, type, data;
            if (!(fields >> keyPath >> name >> type >> data)) {
                Malformed(path, number, "reg needs key path, name, type and value");
            }
            c.registry.push_back(
                {sim::FromUtf8(keyPath), sim::FromUtf8(name), type, sim::FromUtf8(data)});
        } else if (key == "updater") {
            c.updater = wide;
        } else if (key == "updater-kind") {
            c.updaterKind = value;
        } else if (key == "updater-exit") {
            c.updaterExit = std::stoul(value);
        } else if (key == "updater-title") {
            c.rewritesTitle = true;
            c.updaterTitle = value;
        } else if (key == "inject") {
            InjectedFault fault;
            const std::size_t hash = value.find('#');
            const std::size_t blank = value.find(' ');
            if (hash == std::string::npos || blank == std::string::npos) {
                Malformed(path, number, "inject needs function#call kind");
            }
            fault.function = value.substr(0, hash);
            fault.call = std::stoi(value.substr(hash + 1, blank - hash - 1));
            fault.kind = value.substr(blank + 1);
            c.faults.push_back(fault);
        } else if (key == "result") {
            c.result = std::stoi(value);
        } else if (key == "text") {
            c.textLines.push_back(wide);
        } else if (key == "caption") {
            c.caption = wide;
        } else if (key == "box" && value == "none") {
            c.expectBox = false;
        } else if (key == "started") {
            c.started = YesNo(value, path, number);
        } else {
            Malformed(path, number, "unknown key " + key);
        }
    }
    for (const LaunchCase& c : cases) {
        if (c.result < 0 || c.expectBox == c.textLines.empty()) {
            Malformed(path, number, "case '" + c.name + "' needs a result and text or box: none");
        }
    }
    return cases;
}
