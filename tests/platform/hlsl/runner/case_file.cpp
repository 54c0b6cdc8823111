#include "case_file.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>
#include <sstream>

namespace hlsltest {
namespace {

struct Token {
    std::string text;
    int line = 0;
};

// Every token of every "//!" line, in order, with its line number.
std::vector<Token> SpecTokens(const std::string& source)
{
    std::vector<Token> tokens;
    std::istringstream lines(source);
    std::string text;
    int line = 0;
    while (std::getline(lines, text)) {
        ++line;
        const size_t start = text.find_first_not_of(" \t");
        if (start == std::string::npos || text.compare(start, 3, "//!") != 0)
            continue;
        std::istringstream words(text.substr(start + 3));
        std::string word;
        while (words >> word)
            tokens.push_back({word, line});
    }
    return tokens;
}

bool ParseFloat(const std::string& s, float& value)
{
    if (s == "nan" || s == "NaN") {
        value = std::numeric_limits<float>::quiet_NaN();
        return true;
    }
    if (s == "inf" || s == "+inf") {
        value = std::numeric_limits<float>::infinity();
        return true;
    }
    if (s == "-inf") {
        value = -std::numeric_limits<float>::infinity();
        return true;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtof(s.c_str(), &end);
    return end && *end == '\0' && end != s.c_str();
}

bool ParseInt(const std::string& s, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (!end || *end != '\0' || end == s.c_str() || v < 0 || v > 1 << 20)
        return false;
    value = static_cast<int>(v);
    return true;
}

const std::set<std::string> kKeywords = {"run", "target", "clear", "set", "texture", "expect",
                                         "ulps", "error", "warning", "other-errors"};

class Parser {
public:
    Parser(std::vector<Token> tokens, Case& out) : tokens_(std::move(tokens)), case_(out) {}

    bool Parse(std::string& error)
    {
        while (pos_ < tokens_.size()) {
            const Token keyword = tokens_[pos_++];
            if (!Directive(keyword)) {
                error = "line " + std::to_string(failLine_) + ": " + message_;
                return false;
            }
        }
        return true;
    }

private:
    bool Fail(int line, const std::string& message)
    {
        failLine_ = line;
        message_ = message;
        return false;
    }

    bool Word(const Token& at, std::string& word)
    {
        if (pos_ >= tokens_.size() || tokens_[pos_].line != at.line)
            return Fail(at.line, "'" + at.text + "' needs more arguments");
        word = tokens_[pos_++].text;
        return true;
    }

    bool Int(const Token& at, int& value)
    {
        std::string word;
        if (!Word(at, word))
            return false;
        if (!ParseInt(word, value))
            return Fail(at.line, "'" + word + "' is not a count");
        return true;
    }

    // Numbers up to the next directive keyword; they may go on over
    // several "//!" lines. "x" (when allowed) marks a value not compared.
    bool Values(const Token& at, std::vector<float>& values, std::vector<bool>* dontCare)
    {
        while (pos_ < tokens_.size() && !kKeywords.count(tokens_[pos_].text)) {
            const Token& t = tokens_[pos_++];
            float v = 0;
            if (dontCare && t.text == "x") {
                values.push_back(0);
                dontCare->push_back(true);
                continue;
            }
            if (!ParseFloat(t.text, v))
                return Fail(t.line, "'" + t.text + "' is not a number (after '" + at.text + "')");
            values.push_back(v);
            if (dontCare)
                dontCare->push_back(false);
        }
        return true;
    }

    Run* CurrentRun(const Token& at)
    {
        if (case_.runs.empty()) {
            Fail(at.line, "'" + at.text + "' before any 'run'");
            return nullptr;
        }
        return &case_.runs.back();
    }

    bool Directive(const Token& k)
    {
        if (k.text == "run") {
            Run run;
            run.line = k.line;
            run.ulps = defaultUlps_;
            if (!Word(k, run.technique))
                return false;
            if (pos_ < tokens_.size() && tokens_[pos_].line == k.line)
                run.pass = tokens_[pos_++].text;
            case_.runs.push_back(run);
            return true;
        }
        if (k.text == "ulps") {
            int ulps = 0;
            if (!Int(k, ulps))
                return false;
            if (case_.runs.empty())
                defaultUlps_ = ulps;
            else
                case_.runs.back().ulps = ulps;
            return true;
        }
        if (k.text == "error" || k.text == "warning") {
            ExpectedDiagnostic d;
            d.error = k.text == "error";
            std::string line, column;
            if (!Word(k, d.code) || !Word(k, line) || !Word(k, column))
                return false;
            if (line == "*")
                d.line = kAnyLine;
            else if (!ParseInt(line, d.line))
                return Fail(k.line, "'" + line + "' is not a line");
            if (column == "*")
                d.column = kAnyColumn;
            else if (!ParseInt(column, d.column))
                return Fail(k.line, "'" + column + "' is not a column");
            if (pos_ < tokens_.size() && tokens_[pos_].line == k.line)
                d.file = tokens_[pos_++].text;
            case_.diagnostics.push_back(d);
            return true;
        }
        if (k.text == "other-errors") {
            case_.otherErrors = true;
            return true;
        }
        if (!kKeywords.count(k.text))
            return Fail(k.line, "unknown directive '" + k.text + "'");
        Run* run = CurrentRun(k);
        if (!run)
            return false;
        if (k.text == "target")
            return Int(k, run->width) && Int(k, run->height) && Positive(k, run->width, run->height);
        if (k.text == "clear") {
            std::vector<float> v;
            if (!Values(k, v, nullptr))
                return false;
            if (v.size() != 4)
                return Fail(k.line, "'clear' takes four numbers");
            for (int i = 0; i < 4; ++i)
                run->clear[i] = v[i];
            return true;
        }
        if (k.text == "set") {
            ParamValue p;
            if (!Word(k, p.name) || !Values(k, p.values, nullptr))
                return false;
            if (p.values.empty())
                return Fail(k.line, "'set " + p.name + "' has no value");
            run->params.push_back(p);
            return true;
        }
        if (k.text == "texture") {
            TextureData t;
            std::string format;
            if (!Word(k, t.name) || !Word(k, format) || !Int(k, t.width) || !Int(k, t.height)
                || !Positive(k, t.width, t.height) || !Values(k, t.texels, nullptr))
                return false;
            if (format != "r32f" && format != "rgba32f")
                return Fail(k.line, "texture format must be r32f or rgba32f");
            t.rgba = format == "rgba32f";
            const size_t want = size_t(t.width) * t.height * (t.rgba ? 4 : 1);
            if (t.texels.size() != want)
                return Fail(k.line, "texture " + t.name + " needs " + std::to_string(want) + " numbers, has "
                                        + std::to_string(t.texels.size()));
            run->textures.push_back(t);
            return true;
        }
        // expect
        std::string format;
        if (!Word(k, format))
            return false;
        if (format != "r" && format != "rgba")
            return Fail(k.line, "'expect' takes r or rgba");
        run->expectRgba = format == "rgba";
        run->hasExpect = true;
        run->expected.clear();
        run->dontCare.clear();
        if (!Values(k, run->expected, &run->dontCare))
            return false;
        const size_t want = size_t(run->width) * run->height * (run->expectRgba ? 4 : 1);
        if (run->expected.size() != want)
            return Fail(k.line, "'expect' needs " + std::to_string(want) + " numbers for the target, has "
                                    + std::to_string(run->expected.size()));
        return true;
    }

    bool Positive(const Token& k, int w, int h)
    {
        if (w < 1 || h < 1 || w > 4096 || h > 4096)
            return Fail(k.line, "sizes must lie in 1..4096");
        return true;
    }

    std::vector<Token> tokens_;
    Case& case_;
    size_t pos_ = 0;
    int defaultUlps_ = 0;
    int failLine_ = 0;
    std::string message_;
};

}  // namespace

bool ParseCase(const std::string& source, Case& out, std::string& error)
{
    out = Case{};
    return Parser(SpecTokens(source), out).Parse(error);
}

}  // namespace hlsltest
