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
    auto it = index_.find(name);
    if (it != index_.end()) return it->second;
    names_.push_back(name);
    uint32_t i = static_cast<uint32_t>(names_.size() - 1);
    index_.emplace(name, i);
    return i;
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
    // Errors and warnings have separate caps, so that a flood of warnings
    // never hides the error that made the compile fail.
    const bool error = s == Severity::Error;
    size_t& stored = error ? storedErrors_ : storedWarnings_;
    if (stored >= kMaxDiagnostics) {
        bool& noted = error ? errorsTruncated_ : warningsTruncated_;
        if (!noted) {
            noted = true;
            for (auto it = list_.rbegin(); it != list_.rend(); ++it) {
                if (it->severity == s) {
                    it->text += error ? " (further errors suppressed)" : " (further warnings suppressed)";
                    break;
                }
            }
        }
        return;
    }
    ++stored;
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
