#include "diagnostics.h"

namespace hlsl {

std::string FormatDiagnostic(const Diagnostic& d)
{
    std::string s = d.file;
    s += '(' + std::to_string(d.line) + ',' + std::to_string(d.column) + "): ";
    s += d.severity == Severity::Error ? "error " : "warning ";
    s += d.code;
    s += ": ";
    s += d.text;
    return s;
}

std::string FormatDiagnostics(const std::vector<Diagnostic>& diagnostics)
{
    std::string s;
    for (const Diagnostic& d : diagnostics) {
        s += FormatDiagnostic(d);
        s += '\n';
    }
    return s;
}

uint32_t Diagnostics::AddName(const std::string& name)
{
    for (size_t i = 0; i < names_.size(); ++i)
        if (names_[i] == name) return static_cast<uint32_t>(i);
    names_.push_back(name);
    return static_cast<uint32_t>(names_.size() - 1);
}

void Diagnostics::Error(Loc at, const char* code, std::string text)
{
    ++errors_;
    Add(at, Severity::Error, code, std::move(text));
}

void Diagnostics::Warning(Loc at, const char* code, std::string text)
{
    Add(at, Severity::Warning, code, std::move(text));
}

void Diagnostics::Add(Loc at, Severity s, const char* code, std::string text)
{
    if (list_.size() >= kMaxDiagnostics) {
        if (!truncated_ && s == Severity::Error) {
            truncated_ = true;
            list_.back().text += " (further diagnostics suppressed)";
        }
        return;
    }
    Diagnostic d;
    d.file = at.file < names_.size() ? names_[at.file] : std::string();
    d.line = at.line;
    d.column = at.column;
    d.severity = s;
    d.code = code;
    d.text = std::move(text);
    list_.push_back(std::move(d));
}

}  // namespace hlsl
