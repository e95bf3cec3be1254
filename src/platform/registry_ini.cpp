#include "platform/registry_ini.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace {
struct INI_SECTION {
    std::string Key;
    std::vector<std::pair<std::string, std::string>> Values; // name, "type:value"
};

// The file holds a few short lines the game writes. A line may hold a name,
// a type and a folder (up to 4,096 bytes, twice that escaped); a file past
// these bounds was not written by the game and is refused unread.
constexpr size_t REGISTRY_LINE_LIMIT = 16384;
constexpr uintmax_t REGISTRY_FILE_LIMIT = 1 << 20;

std::string chosen_path;
// Why the last read or write failed; empty when it did not.
std::string last_failure;

// Line breaks and backslashes are kept escaped so every value stays on its line.
std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Section keys are written as given; a "]" in a key would end the header early.
bool Is_Valid_Key(const char* key) {
    return key != nullptr && key[0] != '\0' && std::string(key).find_first_of("]\n\r") == std::string::npos;
}

bool Is_Valid_Name(const char* name) {
    return name != nullptr && name[0] != '\0' &&
           std::string(name).find_first_of("=\n\r[") == std::string::npos;
}

bool Fail(const std::string& reason) {
    last_failure.assign(1, '"');
    last_failure.append(Get_Registry_File_Path()).append("\" ").append(reason);
    return false;
}

// Reads the whole file; a missing file is an empty one.
bool Read_Ini(std::vector<INI_SECTION>* sections) {
    sections->clear();
    const std::string path = Get_Registry_File_Path();
    std::ifstream file(path, std::ios::binary);
    if (!file) return !std::filesystem::exists(path) || Fail("cannot be read.");
    std::string text(REGISTRY_FILE_LIMIT + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(file.gcount()));
    if (text.size() > REGISTRY_FILE_LIMIT)
        return Fail("holds more than " + std::to_string(REGISTRY_FILE_LIMIT) +
                    " bytes, which the game never writes.");
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() > REGISTRY_LINE_LIMIT)
            return Fail("has a line of " + std::to_string(line.size()) + " bytes, more than the " +
                        std::to_string(REGISTRY_LINE_LIMIT) + " a line may hold.");
        // Every carriage return at a line's end goes: one written back would be
        // taken off by the next read, so the value would change at each rewrite.
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            sections->push_back({line.substr(1, line.size() - 2), {}});
        } else if (!sections->empty()) {
            const size_t equals = line.find('=');
            if (equals != std::string::npos && equals > 0)
                sections->back().Values.push_back({line.substr(0, equals), line.substr(equals + 1)});
        }
    }
    return true;
}

bool Write_Ini(const std::vector<INI_SECTION>& sections) {
    const std::filesystem::path path = Get_Registry_File_Path();
    std::error_code error;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
    const std::filesystem::path temporary = path.string() + ".new";
    {
        std::ofstream file(temporary, std::ios::trunc);
        if (!file) return Fail("cannot be written.");
        for (const INI_SECTION& section : sections) {
            file << '[' << section.Key << "]\n";
            for (const auto& [name, value] : section.Values)
                file << name << '=' << value << '\n';
        }
        file.flush();
        if (!file) {
            std::filesystem::remove(temporary, error);
            return Fail("cannot be written.");
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
    std::filesystem::remove(temporary, error);
    return Fail("cannot be written.");
}

INI_SECTION* Find_Section(std::vector<INI_SECTION>& sections, const std::string& key) {
    for (INI_SECTION& section : sections)
        if (section.Key == key) return &section;
    return nullptr;
}

bool Set_Value(const char* key, const char* name, const std::string& typed_value) {
    last_failure.clear();
    if (!Is_Valid_Key(key) || !Is_Valid_Name(name)) return false;
    // A line the next read would refuse is not written.
    if (std::strlen(key) + 2 > REGISTRY_LINE_LIMIT ||
        std::strlen(name) + 1 + typed_value.size() > REGISTRY_LINE_LIMIT)
        return Fail("would get a line longer than the " + std::to_string(REGISTRY_LINE_LIMIT) +
                    " bytes a line may hold; the value of \"" + name + "\" is not stored.");
    std::vector<INI_SECTION> sections;
    if (!Read_Ini(&sections)) return false;
    INI_SECTION* section = Find_Section(sections, key);
    if (section == nullptr) {
        sections.push_back({key, {}});
        section = &sections.back();
    }
    for (auto& [existing, value] : section->Values) {
        if (existing == name) {
            value = typed_value;
            return Write_Ini(sections);
        }
    }
    section->Values.push_back({name, typed_value});
    return Write_Ini(sections);
}

bool Get_Value(const char* key, const char* name, std::string* typed_value) {
    last_failure.clear();
    if (!Is_Valid_Key(key) || !Is_Valid_Name(name)) return false;
    std::vector<INI_SECTION> sections;
    if (!Read_Ini(&sections)) return false;
    INI_SECTION* section = Find_Section(sections, key);
    if (section == nullptr) return false;
    for (const auto& [existing, value] : section->Values) {
        if (existing == name) {
            *typed_value = value;
            return true;
        }
    }
    return false;
}
} // namespace

std::string Get_Registry_Failure() {
    return last_failure;
}

void Set_Registry_File_Path(const char* path) {
    chosen_path = path != nullptr ? path : "";
}

std::string Get_Registry_File_Path() {
    if (!chosen_path.empty()) return chosen_path;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != nullptr && config[0] != '\0') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home != nullptr ? home : ".") + "/.config";
    }
    return folder + "/SportsKorva/registry.ini";
}

bool Open_Registry_Key(const char* key, bool* created) {
    if (created != nullptr) *created = false;
    last_failure.clear();
    if (!Is_Valid_Key(key)) return false;
    std::vector<INI_SECTION> sections;
    if (!Read_Ini(&sections)) return false;
    if (Find_Section(sections, key) != nullptr) return true;
    sections.push_back({key, {}});
    if (!Write_Ini(sections)) return false;
    if (created != nullptr) *created = true;
    return true;
}

bool Set_Registry_Text(const char* key, const char* name, const char* text) {
    return Set_Value(key, name, "text:" + Escape(text != nullptr ? text : ""));
}

bool Set_Registry_Number(const char* key, const char* name, uint32_t value) {
    return Set_Value(key, name, "number:" + std::to_string(value));
}

bool Get_Registry_Text(const char* key, const char* name, std::string* text) {
    std::string typed;
    if (text == nullptr || !Get_Value(key, name, &typed) || typed.rfind("text:", 0) != 0) return false;
    *text = Unescape(typed.substr(5));
    return true;
}

bool Get_Registry_Number(const char* key, const char* name, uint32_t* value) {
    std::string typed;
    if (value == nullptr || !Get_Value(key, name, &typed) || typed.rfind("number:", 0) != 0) return false;
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(typed.c_str() + 7, &end, 10);
    if (end == typed.c_str() + 7) return false;
    *value = static_cast<uint32_t>(parsed);
    return true;
}
