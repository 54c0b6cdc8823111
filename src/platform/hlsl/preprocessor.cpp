#include "preprocessor.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <unordered_map>
#include <unordered_set>

namespace hlsl {
namespace {

struct Macro {
    bool functionLike = false;
    bool variadic = false;
    std::vector<std::string> params;
    std::vector<Token> body;
};

struct Cond {
    bool parentActive;
    bool active;
    bool taken;
    bool sawElse;
    Loc loc;
};

// Per-file position mapping set by #line.
struct LineMap {
    uint32_t name;
    int delta;
};

std::string Spell(const std::vector<Token>& toks, size_t from, size_t to)
{
    std::string s;
    for (size_t i = from; i < to; ++i) {
        if (i > from && toks[i].space) s += ' ';
        if (toks[i].kind == TokKind::String)
            s += '"' + toks[i].text + '"';
        else
            s += toks[i].text;
    }
    return s;
}

std::string DirectoryOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Integer expression of #if, after macro expansion; unknown names are 0.
class CondEval {
public:
    CondEval(const std::vector<Token>& t, Diagnostics& d, Loc at) : t_(t), diag_(d), at_(at) {}

    bool Run(long long& value)
    {
        value = Ternary();
        if (ok_ && pos_ < t_.size()) Fail(t_[pos_].loc, "unexpected '" + t_[pos_].text + "' in #if");
        return ok_;
    }

private:
    // ternary := lor [ '?' ternary ':' ternary ]
    long long Ternary()
    {
        Guard g(*this);
        if (!ok_) return 0;
        long long c = Binary(0);
        if (Accept("?")) {
            long long a = Ternary();
            if (!Accept(":")) Fail(Here(), "expected ':' in #if");
            long long b = Ternary();
            return c ? a : b;
        }
        return c;
    }

    static int Prec(const std::string& op)
    {
        static const std::unordered_map<std::string, int> p = {
            {"||", 1}, {"&&", 2}, {"|", 3},  {"^", 4},  {"&", 5},  {"==", 6}, {"!=", 6},
            {"<", 7},  {">", 7},  {"<=", 7}, {">=", 7}, {"<<", 8}, {">>", 8}, {"+", 9},
            {"-", 9},  {"*", 10}, {"/", 10}, {"%", 10}};
        auto it = p.find(op);
        return it == p.end() ? -1 : it->second;
    }

    // binary := unary { op binary-of-higher-precedence }
    long long Binary(int minPrec)
    {
        long long lhs = Unary();
        while (ok_ && pos_ < t_.size() && t_[pos_].kind == TokKind::Punct) {
            std::string op = t_[pos_].text;
            int p = Prec(op);
            if (p < 0 || p < minPrec) break;
            Loc opLoc = t_[pos_].loc;
            ++pos_;
            long long rhs = Binary(p + 1);
            lhs = Apply(op, lhs, rhs, opLoc);
        }
        return lhs;
    }

    long long Apply(const std::string& op, long long a, long long b, Loc at)
    {
        if (op == "||") return a || b;
        if (op == "&&") return a && b;
        if (op == "|") return a | b;
        if (op == "^") return a ^ b;
        if (op == "&") return a & b;
        if (op == "==") return a == b;
        if (op == "!=") return a != b;
        if (op == "<") return a < b;
        if (op == ">") return a > b;
        if (op == "<=") return a <= b;
        if (op == ">=") return a >= b;
        if (op == "<<") return b < 0 || b > 62 ? 0 : static_cast<long long>(static_cast<unsigned long long>(a) << b);
        if (op == ">>") return b < 0 || b > 62 ? 0 : a >> b;
        if (op == "+") return static_cast<long long>(static_cast<unsigned long long>(a) + static_cast<unsigned long long>(b));
        if (op == "-") return static_cast<long long>(static_cast<unsigned long long>(a) - static_cast<unsigned long long>(b));
        if (op == "*") return static_cast<long long>(static_cast<unsigned long long>(a) * static_cast<unsigned long long>(b));
        if (b == 0 || (a == LLONG_MIN && b == -1)) {
            Fail(at, "division by zero in #if");
            return 0;
        }
        return op == "/" ? a / b : a % b;
    }

    // unary := ('-'|'+'|'!'|'~') unary | '(' ternary ')' | number | identifier
    long long Unary()
    {
        Guard g(*this);
        if (!ok_) return 0;
        if (pos_ >= t_.size()) {
            Fail(Here(), "unexpected end of #if expression");
            return 0;
        }
        const Token& t = t_[pos_];
        if (Accept("-")) return static_cast<long long>(0ull - static_cast<unsigned long long>(Unary()));
        if (Accept("+")) return Unary();
        if (Accept("!")) return !Unary();
        if (Accept("~")) return ~Unary();
        if (Accept("(")) {
            long long v = Ternary();
            if (!Accept(")")) Fail(Here(), "expected ')' in #if");
            return v;
        }
        ++pos_;
        if (t.kind == TokKind::IntLit) {
            char* end = nullptr;
            unsigned long long v = std::strtoull(t.text.c_str(), &end, 0);
            while (*end == 'u' || *end == 'U' || *end == 'l' || *end == 'L') ++end;
            if (*end) Fail(t.loc, "invalid integer '" + t.text + "' in #if");
            return static_cast<long long>(v);
        }
        if (t.kind == TokKind::Ident) return t.text == "true" ? 1 : 0;
        Fail(t.loc, "unexpected '" + t.text + "' in #if");
        return 0;
    }

    struct Guard {
        explicit Guard(CondEval& e) : e_(e)
        {
            if (++e_.depth_ > 200) e_.Fail(e_.Here(), "#if expression nested too deeply");
        }
        ~Guard() { --e_.depth_; }
        CondEval& e_;
    };

    bool Accept(const char* p)
    {
        if (pos_ < t_.size() && t_[pos_].Is(p)) {
            ++pos_;
            return true;
        }
        return false;
    }
    Loc Here() const { return pos_ < t_.size() ? t_[pos_].loc : at_; }
    void Fail(Loc at, const std::string& text)
    {
        if (ok_) diag_.Error(at, code::PreprocessorSyntax, text);
        ok_ = false;
    }

    const std::vector<Token>& t_;
    Diagnostics& diag_;
    Loc at_;
    size_t pos_ = 0;
    int depth_ = 0;
    bool ok_ = true;
};

class Preprocessor {
public:
    Preprocessor(const FileReader& r, Diagnostics& d) : read_(r), diag_(d) {}

    std::vector<Token> Run(std::string_view source, const std::string& fileName)
    {
        File(source, fileName, 0);
        Token end;
        end.kind = TokKind::End;
        end.bol = true;
        end.loc = last_;
        out_.push_back(end);
        return std::move(out_);
    }

private:
    void File(std::string_view src, const std::string& path, int depth)
    {
        LineMap map{diag_.AddName(path), 0};
        if (stopped_) return;
        if (src.size() > kMaxSourceBytes) {
            Limit(Loc{map.name, 1, 1}, "source file too large");
            return;
        }
        std::vector<Token> toks = Lex(src, map.name, diag_);
        std::vector<Cond> conds;
        size_t i = 0;
        while (i < toks.size() && !stopped_) {
            bool active = conds.empty() || conds.back().active;
            if (toks[i].bol && toks[i].Is("#")) {
                size_t end = i + 1;
                while (end < toks.size() && !toks[end].bol) ++end;
                int lastPhysLine = toks[end - 1].loc.line;
                for (size_t k = i; k < end; ++k) Map(toks[k], map);
                Directive(toks, i, end, path, map, conds, active, lastPhysLine, depth);
                i = end;
                continue;
            }
            size_t end = i;
            while (end < toks.size() && !(toks[end].bol && toks[end].Is("#"))) ++end;
            if (active) {
                std::vector<Token> chunk;
                chunk.reserve(end - i);
                for (size_t k = i; k < end; ++k) {
                    Map(toks[k], map);
                    chunk.push_back(std::move(toks[k]));
                }
                std::vector<std::string> activeMacros;
                Expand(chunk, out_, 0, activeMacros);
            } else if (end > i) {
                Map(toks[end - 1], map);
                last_ = toks[end - 1].loc;
            }
            i = end;
        }
        if (!conds.empty() && !stopped_)
            diag_.Error(conds.back().loc, code::PreprocessorSyntax, "unterminated #if, #ifdef or #ifndef");
    }

    void Map(Token& t, const LineMap& map)
    {
        long long line = static_cast<long long>(t.loc.line) + map.delta;
        t.loc.line = static_cast<int>(std::clamp(line, 0LL, 2147483647LL));
        t.loc.file = map.name;
        last_ = t.loc;
    }

    void Directive(std::vector<Token>& toks, size_t begin, size_t end, const std::string& path,
                   LineMap& map, std::vector<Cond>& conds, bool active, int lastPhysLine, int depth)
    {
        if (begin + 1 >= end) return;  // null directive
        const Token& nameTok = toks[begin + 1];
        const std::string& name = nameTok.text;
        Loc at = nameTok.loc;
        size_t args = begin + 2;

        if (name == "if" || name == "ifdef" || name == "ifndef") {
            bool value = false;
            if (active) {
                if (name == "if") {
                    value = Evaluate(toks, args, end, at);
                } else if (args < end && toks[args].kind == TokKind::Ident) {
                    value = macros_.count(toks[args].text) != 0 || IsBuiltin(toks[args].text);
                    if (name == "ifndef") value = !value;
                } else {
                    diag_.Error(at, code::PreprocessorSyntax, "#" + name + " expects a macro name");
                }
            }
            conds.push_back(Cond{active, active && value, value, false, toks[begin].loc});
            return;
        }
        if (name == "elif" || name == "else" || name == "endif") {
            if (conds.empty()) {
                diag_.Error(at, code::PreprocessorSyntax, "#" + name + " without #if");
                return;
            }
            Cond& c = conds.back();
            if (name == "endif") {
                conds.pop_back();
                return;
            }
            if (c.sawElse) {
                diag_.Error(at, code::PreprocessorSyntax, "#" + name + " after #else");
                return;
            }
            if (name == "else") {
                c.active = c.parentActive && !c.taken;
                c.taken = true;
                c.sawElse = true;
                return;
            }
            if (c.taken || !c.parentActive) {
                c.active = false;
            } else {
                bool v = Evaluate(toks, args, end, at);
                c.active = v;
                c.taken = v;
            }
            return;
        }
        if (!active) return;

        if (name == "define") {
            Define(toks, args, end, at);
        } else if (name == "undef") {
            if (args < end && toks[args].kind == TokKind::Ident)
                macros_.erase(toks[args].text);
            else
                diag_.Error(at, code::PreprocessorSyntax, "#undef expects a macro name");
        } else if (name == "include") {
            Include(toks, args, end, at, path, depth);
        } else if (name == "error") {
            diag_.Error(at, code::UserError, "#error " + Spell(toks, args, end));
        } else if (name == "line") {
            std::vector<Token> line(toks.begin() + static_cast<long>(args), toks.begin() + static_cast<long>(end));
            std::vector<Token> expanded;
            std::vector<std::string> none;
            Expand(line, expanded, 0, none);
            if (expanded.empty() || expanded[0].kind != TokKind::IntLit) {
                diag_.Error(at, code::PreprocessorSyntax, "#line expects a line number");
                return;
            }
            long n = std::strtol(expanded[0].text.c_str(), nullptr, 10);
            if (n < 0 || n > 2147483647) n = 0;
            map.delta = static_cast<int>(n - (lastPhysLine + 1));
            if (expanded.size() > 1 && expanded[1].kind == TokKind::String)
                map.name = diag_.AddName(expanded[1].text);
        } else if (name == "pragma") {
            if (args < end && toks[args].IsIdent("once")) once_.insert(path);
        } else if (name == "warning") {
            diag_.Warning(at, code::UserError, "#warning " + Spell(toks, args, end));
        } else {
            diag_.Error(at, code::PreprocessorSyntax, "unknown preprocessor directive '#" + name + "'");
        }
    }

    void Define(std::vector<Token>& toks, size_t i, size_t end, Loc at)
    {
        if (i >= end || toks[i].kind != TokKind::Ident) {
            diag_.Error(at, code::PreprocessorSyntax, "#define expects a macro name");
            return;
        }
        std::string name = toks[i].text;
        if (name == "defined") {
            diag_.Error(toks[i].loc, code::PreprocessorSyntax, "'defined' cannot be a macro name");
            return;
        }
        ++i;
        Macro m;
        if (i < end && toks[i].Is("(") && !toks[i].space) {
            m.functionLike = true;
            ++i;
            bool closed = false;
            while (i < end) {
                if (toks[i].Is(")")) {
                    closed = true;
                    ++i;
                    break;
                }
                if (!m.params.empty() || m.variadic) {
                    if (!toks[i].Is(",") || m.variadic) break;
                    ++i;
                }
                if (i + 2 < end && toks[i].Is(".") && toks[i + 1].Is(".") && toks[i + 2].Is(".")) {
                    m.variadic = true;
                    m.params.push_back("__VA_ARGS__");
                    i += 3;
                } else if (i < end && toks[i].kind == TokKind::Ident) {
                    m.params.push_back(toks[i].text);
                    ++i;
                } else {
                    break;
                }
            }
            if (!closed) {
                diag_.Error(at, code::PreprocessorSyntax, "invalid parameter list in #define of '" + name + "'");
                return;
            }
        }
        for (; i < end; ++i) {
            Token t = toks[i];
            t.bol = false;
            m.body.push_back(std::move(t));
        }
        if (!m.body.empty() && (m.body.front().Is("##") || m.body.back().Is("##"))) {
            diag_.Error(at, code::PreprocessorSyntax, "'##' cannot start or end a macro");
            return;
        }
        if (!m.body.empty()) m.body.front().space = false;
        macros_[name] = std::move(m);
    }

    void Include(std::vector<Token>& fileToks, size_t i, size_t end, Loc at, const std::string& path, int depth)
    {
        std::string target;
        const std::vector<Token>* line = &fileToks;
        std::vector<Token> expanded;
        if (i < end && fileToks[i].kind == TokKind::Ident) {  // #include NAME, NAME a macro
            std::vector<Token> copy(fileToks.begin() + static_cast<long>(i), fileToks.begin() + static_cast<long>(end));
            std::vector<std::string> none;
            Expand(copy, expanded, 0, none);
            line = &expanded;
            i = 0;
            end = expanded.size();
        }
        const std::vector<Token>& toks = *line;
        if (i < end && toks[i].kind == TokKind::String) {
            target = toks[i].text;
        } else if (i < end && toks[i].Is("<")) {
            size_t j = i + 1;
            while (j < end && !toks[j].Is(">")) ++j;
            target = Spell(toks, i + 1, j);
            // Spell puts spaces where the source had them; a path has none.
            std::string compact;
            for (char c : target)
                if (c != ' ') compact += c;
            target = compact;
        } else {
            diag_.Error(at, code::PreprocessorSyntax, "#include expects \"file\"");
            return;
        }
        for (char& c : target)
            if (c == '\\') c = '/';
        std::string resolved = (!target.empty() && target[0] == '/') ? target : DirectoryOf(path) + target;
        if (once_.count(resolved)) return;
        if (depth + 1 >= kMaxIncludeDepth) {
            diag_.Error(at, code::LimitExceeded, "#include nested too deeply");
            return;
        }
        std::string contents;
        if (!read_ || !read_(resolved, contents)) {
            diag_.Error(at, code::IncludeNotFound, "failed to open source file: '" + target + "'");
            return;
        }
        File(contents, resolved, depth + 1);
    }

    bool Evaluate(std::vector<Token>& toks, size_t i, size_t end, Loc at)
    {
        // 'defined X' and 'defined(X)' are decided before expansion.
        std::vector<Token> line;
        for (; i < end; ++i) {
            if (toks[i].IsIdent("defined")) {
                size_t j = i + 1;
                bool paren = j < end && toks[j].Is("(");
                if (paren) ++j;
                if (j >= end || toks[j].kind != TokKind::Ident || (paren && (j + 1 >= end || !toks[j + 1].Is(")")))) {
                    diag_.Error(toks[i].loc, code::PreprocessorSyntax, "'defined' expects a macro name");
                    return false;
                }
                Token v = toks[i];
                v.kind = TokKind::IntLit;
                v.text = (macros_.count(toks[j].text) || IsBuiltin(toks[j].text)) ? "1" : "0";
                line.push_back(v);
                i = paren ? j + 1 : j;
                continue;
            }
            line.push_back(toks[i]);
        }
        std::vector<Token> expanded;
        std::vector<std::string> none;
        Expand(line, expanded, 0, none);
        if (expanded.empty()) {
            diag_.Error(at, code::PreprocessorSyntax, "#if with no expression");
            return false;
        }
        long long v = 0;
        CondEval e(expanded, diag_, at);
        return e.Run(v) && v != 0;
    }

    static bool IsBuiltin(const std::string& s) { return s == "__LINE__" || s == "__FILE__"; }

    static void Deactivate(std::vector<std::string>& active, const std::string& name)
    {
        for (size_t k = active.size(); k-- > 0;) {
            if (active[k] == name) {
                active.erase(active.begin() + static_cast<long>(k));
                return;
            }
        }
    }

    void Limit(Loc at, const char* what)
    {
        if (!stopped_) diag_.Error(at, code::LimitExceeded, what);
        stopped_ = true;
    }

    // Expands `input` into `out`, rescanning each expansion together with
    // what follows it; `active` holds the macros being expanded around it.
    void Expand(std::vector<Token>& input, std::vector<Token>& out, int depth, std::vector<std::string>& active)
    {
        if (depth > kMaxMacroDepth) {
            Limit(input.empty() ? last_ : input[0].loc, "macro expansion nested too deeply");
            return;
        }
        std::vector<Token> stack(std::make_move_iterator(input.rbegin()), std::make_move_iterator(input.rend()));
        size_t activeBase = active.size();
        while (!stack.empty() && !stopped_) {
            Token t = std::move(stack.back());
            stack.pop_back();
            if (t.kind == TokKind::MacroEnd) {
                Deactivate(active, t.text);
                continue;
            }
            if (t.kind == TokKind::Ident && !t.noExpand) {
                if (t.text == "__LINE__" || t.text == "__FILE__") {
                    bool line = t.text == "__LINE__";
                    t.kind = line ? TokKind::IntLit : TokKind::String;
                    t.text = line ? std::to_string(t.loc.line) : diag_.Name(t.loc.file);
                    out.push_back(std::move(t));
                    continue;
                }
                auto it = macros_.find(t.text);
                if (it != macros_.end()) {
                    bool isActive = false;
                    for (const std::string& a : active) isActive = isActive || a == t.text;
                    if (isActive) {
                        t.noExpand = true;
                        out.push_back(std::move(t));
                        continue;
                    }
                    const Macro& m = it->second;
                    std::vector<std::vector<Token>> args;
                    if (m.functionLike) {
                        long j = static_cast<long>(stack.size()) - 1;
                        while (j >= 0 && stack[static_cast<size_t>(j)].kind == TokKind::MacroEnd) --j;
                        if (j < 0 || !stack[static_cast<size_t>(j)].Is("(")) {
                            out.push_back(std::move(t));
                            continue;
                        }
                        while (static_cast<long>(stack.size()) - 1 > j) {
                            Deactivate(active, stack.back().text);
                            stack.pop_back();
                        }
                        stack.pop_back();
                        if (!CollectArgs(stack, active, m, t, args)) return;
                    }
                    if (++expansions_ > kMaxExpansions) {
                        Limit(t.loc, "too many macro expansions");
                        return;
                    }
                    std::vector<Token> body = Substitute(m, args, t, depth, active);
                    Token marker;
                    marker.kind = TokKind::MacroEnd;
                    marker.text = t.text;
                    stack.push_back(std::move(marker));
                    for (size_t k = body.size(); k-- > 0;) stack.push_back(std::move(body[k]));
                    active.push_back(t.text);
                    if (stack.size() > kMaxTokens) {
                        Limit(t.loc, "macro expansion too large");
                        return;
                    }
                    continue;
                }
            }
            out.push_back(std::move(t));
            if (out.size() + out_.size() > kMaxTokens) {
                Limit(out.back().loc, "source too large");
                return;
            }
        }
        active.resize(std::min(active.size(), activeBase));
    }

    bool CollectArgs(std::vector<Token>& stack, std::vector<std::string>& active, const Macro& m,
                     const Token& inv, std::vector<std::vector<Token>>& args)
    {
        args.emplace_back();
        int parens = 0;
        while (true) {
            if (stack.empty()) {
                diag_.Error(inv.loc, code::PreprocessorSyntax,
                            "unterminated argument list invoking macro '" + inv.text + "'");
                return false;
            }
            Token a = std::move(stack.back());
            stack.pop_back();
            if (a.kind == TokKind::MacroEnd) {
                Deactivate(active, a.text);
                continue;
            }
            if (a.Is("(")) ++parens;
            if (a.Is(")")) {
                if (parens == 0) break;
                --parens;
            }
            if (a.Is(",") && parens == 0 && !(m.variadic && args.size() == m.params.size())) {
                args.emplace_back();
                continue;
            }
            args.back().push_back(std::move(a));
        }
        if (m.params.empty() && args.size() == 1 && args[0].empty()) args.clear();
        if (m.variadic && args.size() + 1 == m.params.size()) args.emplace_back();
        if (args.size() != m.params.size()) {
            diag_.Error(inv.loc, code::PreprocessorSyntax,
                        "macro '" + inv.text + "' expects " + std::to_string(m.params.size()) +
                            " arguments, given " + std::to_string(args.size()));
            return false;
        }
        return true;
    }

    int ParamIndex(const Macro& m, const Token& t) const
    {
        if (!m.functionLike || t.kind != TokKind::Ident) return -1;
        for (size_t i = 0; i < m.params.size(); ++i)
            if (m.params[i] == t.text) return static_cast<int>(i);
        return -1;
    }

    std::vector<Token> Substitute(const Macro& m, std::vector<std::vector<Token>>& args, const Token& inv,
                                  int depth, std::vector<std::string>& active)
    {
        std::vector<std::vector<Token>> expanded(args.size());
        std::vector<bool> done(args.size(), false);
        std::vector<Token> result;
        const std::vector<Token>& b = m.body;
        for (size_t i = 0; i < b.size() && !stopped_; ++i) {
            if (result.size() > kMaxTokens) {
                Limit(inv.loc, "macro expansion too large");
                break;
            }
            if (m.functionLike && b[i].Is("#") && i + 1 < b.size() && ParamIndex(m, b[i + 1]) >= 0) {
                const std::vector<Token>& raw = args[static_cast<size_t>(ParamIndex(m, b[i + 1]))];
                Token s;
                s.kind = TokKind::String;
                s.space = b[i].space;
                s.text = Spell(raw, 0, raw.size());
                result.push_back(std::move(s));
                ++i;
                continue;
            }
            if (b[i].Is("##") && i + 1 < b.size()) {
                std::vector<Token> right;
                int p = ParamIndex(m, b[i + 1]);
                if (p >= 0)
                    right = args[static_cast<size_t>(p)];
                else
                    right.push_back(b[i + 1]);
                ++i;
                if (right.empty()) continue;
                if (result.empty()) {
                    for (Token& r : right) result.push_back(std::move(r));
                    continue;
                }
                Token& left = result.back();
                std::string text = left.text + right[0].text;
                Diagnostics scratch;
                uint32_t f = scratch.AddName("");
                std::vector<Token> lexed = Lex(text, f, scratch);
                if (lexed.size() != 1 || scratch.ErrorCount() != 0) {
                    diag_.Error(inv.loc, code::PreprocessorSyntax,
                                "pasting \"" + left.text + "\" and \"" + right[0].text +
                                    "\" does not give a valid token");
                } else {
                    left.kind = lexed[0].kind;
                    left.text = lexed[0].text;
                    left.noExpand = false;
                }
                for (size_t k = 1; k < right.size(); ++k) result.push_back(std::move(right[k]));
                continue;
            }
            int p = ParamIndex(m, b[i]);
            if (p >= 0) {
                size_t pi = static_cast<size_t>(p);
                bool pasted = i + 1 < b.size() && b[i + 1].Is("##");
                if (pasted) {
                    if (result.size() + args[pi].size() > kMaxTokens) {
                        Limit(inv.loc, "macro expansion too large");
                        break;
                    }
                    for (const Token& a : args[pi]) result.push_back(a);
                } else {
                    if (!done[pi]) {
                        std::vector<Token> copy = args[pi];
                        std::vector<std::string> act = active;
                        Expand(copy, expanded[pi], depth + 1, act);
                        done[pi] = true;
                    }
                    if (result.size() + expanded[pi].size() > kMaxTokens) {
                        Limit(inv.loc, "macro expansion too large");
                        break;
                    }
                    bool first = true;
                    for (const Token& a : expanded[pi]) {
                        result.push_back(a);
                        if (first) result.back().space = b[i].space;
                        first = false;
                    }
                }
                continue;
            }
            result.push_back(b[i]);
        }
        for (Token& t : result) {
            t.loc = inv.loc;
            t.bol = false;
        }
        if (!result.empty()) result.front().space = inv.space;
        return result;
    }

    const FileReader& read_;
    Diagnostics& diag_;
    std::unordered_map<std::string, Macro> macros_;
    std::unordered_set<std::string> once_;
    std::vector<Token> out_;
    Loc last_;
    size_t expansions_ = 0;
    bool stopped_ = false;
};

}  // namespace

std::vector<Token> Preprocess(std::string_view source, const std::string& fileName, const FileReader& readFile,
                              Diagnostics& diag)
{
    return Preprocessor(readFile, diag).Run(source, fileName);
}

}  // namespace hlsl
