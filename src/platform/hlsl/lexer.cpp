#include "lexer.h"

namespace hlsl {
namespace {

bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

// Longest punctuators first.
const char* const kPuncts[] = {
    "<<=", ">>=", "##", "++", "--", "<<", ">>", "<=", ">=", "==", "!=", "&&", "||", "+=", "-=",
    "*=", "/=", "%=", "&=", "|=", "^=", "::", "{", "}", "(", ")", "[", "]", ";", ",", ".", ":",
    "?", "~", "!", "+", "-", "*", "/", "%", "<", ">", "=", "&", "|", "^", "#",
};

class Lexer {
public:
    Lexer(std::string_view s, uint32_t file, Diagnostics& d) : src_(s), file_(file), diag_(d) {}

    std::vector<Token> Run()
    {
        std::vector<Token> out;
        out.reserve(src_.size() / 4 + 16);
        bool bol = true;
        bool space = false;
        while (true) {
            // White space, comments, line continuations.
            if (pos_ >= src_.size()) break;
            char c = src_[pos_];
            if (c == '\n') {
                Advance();
                bol = true;
                space = true;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                Advance();
                space = true;
                continue;
            }
            if (c == '\\' && (Peek(1) == '\n' || (Peek(1) == '\r' && Peek(2) == '\n'))) {
                Advance();
                if (src_[pos_] == '\r') Advance();
                Advance();
                space = true;
                continue;
            }
            if (c == '/' && Peek(1) == '/') {
                while (pos_ < src_.size() && src_[pos_] != '\n') {
                    if (src_[pos_] == '\\' && Peek(1) == '\n') Advance();  // continued comment
                    Advance();
                }
                space = true;
                continue;
            }
            if (c == '/' && Peek(1) == '*') {
                Loc at = Here();
                Advance();
                Advance();
                bool closed = false;
                while (pos_ < src_.size()) {
                    if (src_[pos_] == '*' && Peek(1) == '/') {
                        Advance();
                        Advance();
                        closed = true;
                        break;
                    }
                    Advance();
                }
                if (!closed) diag_.Error(at, code::Syntax, "unterminated comment");
                space = true;
                continue;
            }

            Token t;
            t.bol = bol;
            t.space = space;
            t.loc = Here();
            bol = false;
            space = false;
            size_t start = pos_;
            if (IsIdentStart(c)) {
                while (pos_ < src_.size() && IsIdentChar(src_[pos_])) Advance();
                t.kind = TokKind::Ident;
                t.text.assign(src_.substr(start, pos_ - start));
            } else if (IsDigit(c) || (c == '.' && IsDigit(Peek(1)))) {
                t.kind = LexNumber();
                t.text.assign(src_.substr(start, pos_ - start));
            } else if (c == '"') {
                Advance();
                bool closed = false;
                while (pos_ < src_.size() && src_[pos_] != '\n') {
                    char d = src_[pos_];
                    if (d == '"') {
                        Advance();
                        closed = true;
                        break;
                    }
                    if (d == '\\' && pos_ + 1 < src_.size() && src_[pos_ + 1] != '\n') {
                        Advance();
                        d = src_[pos_];
                        t.text += d == 'n' ? '\n' : d == 't' ? '\t' : d;
                        Advance();
                        continue;
                    }
                    t.text += d;
                    Advance();
                }
                t.kind = closed ? TokKind::String : TokKind::Invalid;
                if (!closed) t.text = "\"" + t.text;
            } else {
                const char* match = nullptr;
                for (const char* p : kPuncts) {
                    if (src_.substr(pos_).starts_with(p)) {
                        match = p;
                        break;
                    }
                }
                if (!match) {
                    // Reported only if it survives preprocessing (it may sit in #if 0).
                    t.kind = TokKind::Invalid;
                    t.text = Printable(c);
                    Advance();
                    out.push_back(std::move(t));
                    continue;
                }
                t.kind = TokKind::Punct;
                t.text = match;
                for (const char* p = match; *p; ++p) Advance();
            }
            out.push_back(std::move(t));
        }
        return out;
    }

private:
    static std::string Printable(char c)
    {
        if (c >= 32 && c < 127) return std::string(1, c);
        static const char hex[] = "0123456789abcdef";
        unsigned char u = static_cast<unsigned char>(c);
        return std::string("\\x") + hex[u >> 4] + hex[u & 15];
    }

    // pp-number: digits, '.', exponents with signs, suffix letters.
    TokKind LexNumber()
    {
        bool isFloat = false;
        if (src_[pos_] == '0' && (Peek(1) == 'x' || Peek(1) == 'X')) {
            Advance();
            Advance();
            while (pos_ < src_.size() && IsIdentChar(src_[pos_])) Advance();
            return TokKind::IntLit;
        }
        // digits [ '.' digits ] [ exponent ] [ suffix ]; "1.0.x" is 1.0 then .x
        while (pos_ < src_.size() && IsDigit(src_[pos_])) Advance();
        if (pos_ < src_.size() && src_[pos_] == '.') {
            isFloat = true;
            Advance();
            while (pos_ < src_.size() && IsDigit(src_[pos_])) Advance();
        }
        char e = Peek(0);
        if ((e == 'e' || e == 'E') && (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
            isFloat = true;
            Advance();
            Advance();
            while (pos_ < src_.size() && IsDigit(src_[pos_])) Advance();
        }
        // Suffix letters; anything else glued on makes the literal invalid,
        // which the parser reports.
        while (pos_ < src_.size() && IsIdentChar(src_[pos_])) {
            char c = src_[pos_];
            if (c == 'f' || c == 'F' || c == 'h' || c == 'H') isFloat = true;
            Advance();
        }
        return isFloat ? TokKind::FloatLit : TokKind::IntLit;
    }

    char Peek(size_t ahead) const { return pos_ + ahead < src_.size() ? src_[pos_ + ahead] : '\0'; }
    Loc Here() const { return Loc{file_, line_, col_}; }
    void Advance()
    {
        if (src_[pos_] == '\n') {
            ++line_;
            col_ = 1;
        } else {
            ++col_;
        }
        ++pos_;
    }

    std::string_view src_;
    uint32_t file_;
    Diagnostics& diag_;
    size_t pos_ = 0;
    int line_ = 1;
    int col_ = 1;
};

}  // namespace

std::vector<Token> Lex(std::string_view source, uint32_t file, Diagnostics& diag)
{
    return Lexer(source, file, diag).Run();
}

}  // namespace hlsl
