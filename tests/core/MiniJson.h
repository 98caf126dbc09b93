#pragma once
// A small strict JSON reader for checking the tool's output: it accepts only what RFC 8259 allows
// (no trailing commas, no leading zeros, no bare words other than true/false/null) and throws otherwise.
#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // the string, or the number's literal text
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const {
        const auto it = members.find(key);
        if (kind != Object || it == members.end()) throw std::runtime_error("no member " + key);
        return it->second;
    }
    const Json& operator[](std::size_t i) const {
        if (kind != Array || i >= items.size()) throw std::runtime_error("no item");
        return items[i];
    }

    static Json parse(std::string_view s) {
        std::size_t pos = 0;
        Json j = value(s, pos);
        skip(s, pos);
        if (pos != s.size()) throw std::runtime_error("text after the value");
        return j;
    }

private:
    static void skip(std::string_view s, std::size_t& p) {
        while (p < s.size() && (s[p] == ' ' || s[p] == '\n' || s[p] == '\r' || s[p] == '\t')) ++p;
    }
    static void expect(std::string_view s, std::size_t& p, std::string_view word) {
        if (s.substr(p, word.size()) != word) throw std::runtime_error("expected " + std::string(word));
        p += word.size();
    }
    static std::string str(std::string_view s, std::size_t& p) {
        expect(s, p, "\"");
        std::string out;
        while (p < s.size() && s[p] != '"') {
            if (static_cast<unsigned char>(s[p]) < 0x20)
                throw std::runtime_error("control character in string");
            if (s[p] == '\\') {
                ++p;
                if (p >= s.size() || std::string_view("\"\\/bfnrtu").find(s[p]) == std::string_view::npos)
                    throw std::runtime_error("bad escape");
            }
            out += s[p++];
        }
        expect(s, p, "\"");
        return out;
    }
    static Json value(std::string_view s, std::size_t& p) {
        skip(s, p);
        if (p >= s.size()) throw std::runtime_error("unexpected end");
        Json j;
        const char c = s[p];
        if (c == '{') {
            j.kind = Object;
            ++p;
            skip(s, p);
            if (p < s.size() && s[p] == '}') return ++p, j;
            for (;;) {
                skip(s, p);
                std::string key = str(s, p);
                skip(s, p);
                expect(s, p, ":");
                j.members[key] = value(s, p);
                skip(s, p);
                if (p < s.size() && s[p] == ',') {
                    ++p;
                    continue;
                }
                expect(s, p, "}");
                return j;
            }
        }
        if (c == '[') {
            j.kind = Array;
            ++p;
            skip(s, p);
            if (p < s.size() && s[p] == ']') return ++p, j;
            for (;;) {
                j.items.push_back(value(s, p));
                skip(s, p);
                if (p < s.size() && s[p] == ',') {
                    ++p;
                    continue;
                }
                expect(s, p, "]");
                return j;
            }
        }
        if (c == '"') {
            j.kind = String;
            j.text = str(s, p);
            return j;
        }
        if (c == 't') return expect(s, p, "true"), j.kind = Bool, j.boolean = true, j;
        if (c == 'f') return expect(s, p, "false"), j.kind = Bool, j;
        if (c == 'n') return expect(s, p, "null"), j;
        // number: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
        const std::size_t start = p;
        if (s[p] == '-') ++p;
        const auto digits = [&] {
            const std::size_t d = p;
            while (p < s.size() && std::isdigit(static_cast<unsigned char>(s[p]))) ++p;
            if (p == d) throw std::runtime_error("expected digits");
        };
        if (p < s.size() && s[p] == '0') {
            ++p;
        } else {
            digits();
        }
        if (p < s.size() && s[p] == '.') ++p, digits();
        if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
            ++p;
            if (p < s.size() && (s[p] == '+' || s[p] == '-')) ++p;
            digits();
        }
        j.kind = Number;
        j.text = std::string(s.substr(start, p - start));
        j.number = std::strtod(j.text.c_str(), nullptr);
        return j;
    }
};
