// A small JSON reader for checking kelvara-calc's output field by field.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvara::testing {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<Json> array;
    std::vector<std::pair<std::string, Json>> object;  // keys in document order

    const Json& operator[](const std::string& key) const {
        for (const auto& [k, v] : object) {
            if (k == key) return v;
        }
        throw std::out_of_range("no key " + key);
    }
    bool has(const std::string& key) const {
        for (const auto& kv : object) {
            if (kv.first == key) return true;
        }
        return false;
    }
    std::vector<std::string> keys() const {
        std::vector<std::string> out;
        for (const auto& kv : object) out.push_back(kv.first);
        return out;
    }
};

class JsonParser {
  public:
    explicit JsonParser(const std::string& text) : s_(text) {}

    Json Parse() {
        Json v = Value();
        Skip();
        if (i_ != s_.size()) Fail("trailing text");
        return v;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(i_));
    }
    void Skip() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
            ++i_;
    }
    void Expect(char c) {
        Skip();
        if (i_ >= s_.size() || s_[i_] != c) Fail(std::string("expected ") + c);
        ++i_;
    }
    Json Value() {
        Skip();
        if (i_ >= s_.size()) Fail("end of text");
        Json v;
        const char c = s_[i_];
        if (c == '{') {
            v.type = Json::Type::Object;
            ++i_;
            Skip();
            if (s_[i_] == '}') {
                ++i_;
                return v;
            }
            while (true) {
                Skip();
                std::string key = String();
                Expect(':');
                v.object.emplace_back(key, Value());
                Skip();
                if (s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                Expect('}');
                return v;
            }
        }
        if (c == '[') {
            v.type = Json::Type::Array;
            ++i_;
            Skip();
            if (s_[i_] == ']') {
                ++i_;
                return v;
            }
            while (true) {
                v.array.push_back(Value());
                Skip();
                if (s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                Expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.type = Json::Type::String;
            v.string = String();
            return v;
        }
        if (s_.compare(i_, 4, "true") == 0 || s_.compare(i_, 5, "false") == 0) {
            v.type = Json::Type::Bool;
            v.boolean = s_[i_] == 't';
            i_ += v.boolean ? 4 : 5;
            return v;
        }
        if (s_.compare(i_, 4, "null") == 0) {
            i_ += 4;
            return v;
        }
        size_t end = i_;
        while (end < s_.size() && std::string("+-0123456789.eE").find(s_[end]) != std::string::npos)
            ++end;
        if (end == i_) Fail("unexpected character");
        v.type = Json::Type::Number;
        v.number = std::stod(s_.substr(i_, end - i_));
        i_ = end;
        return v;
    }
    std::string String() {
        if (s_[i_] != '"') Fail("expected string");
        ++i_;
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character in string");
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            const char e = s_[i_++];
            switch (e) {
                case 'n':
                    out.push_back('\n');
                    break;
                case 'r':
                    out.push_back('\r');
                    break;
                case 't':
                    out.push_back('\t');
                    break;
                case '"':
                    out.push_back('"');
                    break;
                case '\\':
                    out.push_back('\\');
                    break;
                case '/':
                    out.push_back('/');
                    break;
                case 'u': {
                    const unsigned cp =
                        static_cast<unsigned>(std::stoul(s_.substr(i_, 4), nullptr, 16));
                    i_ += 4;
                    if (cp < 0x80) {
                        out.push_back(static_cast<char>(cp));
                    } else if (cp < 0x800) {
                        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
                        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
                    } else {
                        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
                        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
                        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
                    }
                    break;
                }
                default:
                    Fail("bad escape");
            }
        }
        if (i_ >= s_.size()) Fail("unterminated string");
        ++i_;
        return out;
    }

    const std::string& s_;
    size_t i_ = 0;
};

}  // namespace kelvara::testing
