#include "parser.h"

#include <cerrno>
#include <cstdlib>
#include <unordered_map>
#include <unordered_set>

namespace hlsl {

bool BuiltinType(const std::string& name, Type& type)
{
    struct Named {
        const char* prefix;
        Base base;
    };
    static const Named kScalars[] = {{"float", Base::Float}, {"half", Base::Float}, {"double", Base::Float},
                                     {"int", Base::Int},     {"uint", Base::Uint},  {"dword", Base::Uint},
                                     {"bool", Base::Bool},   {"min16float", Base::Float}};
    for (const Named& n : kScalars) {
        std::string_view p = n.prefix;
        if (!std::string_view(name).starts_with(p)) continue;
        std::string_view rest = std::string_view(name).substr(p.size());
        if (rest.empty()) {
            type = Type::Scalar(n.base);
            return true;
        }
        if (rest.size() == 1 && rest[0] >= '1' && rest[0] <= '4') {
            type = Type::Vector(n.base, rest[0] - '0');
            return true;
        }
        if (rest.size() == 3 && rest[0] >= '1' && rest[0] <= '4' && rest[1] == 'x' && rest[2] >= '1' && rest[2] <= '4') {
            type = Type::Matrix(n.base, rest[0] - '0', rest[2] - '0');
            return true;
        }
        return false;
    }
    static const std::unordered_map<std::string, Type> kOthers = {
        {"void", Type::Scalar(Base::Void)},
        {"vector", Type::Vector(Base::Float, 4)},
        {"matrix", Type::Matrix(Base::Float, 4, 4)},
        {"texture", Type::Scalar(Base::Texture)},
        {"Texture", Type::Scalar(Base::Texture)},
        {"texture2D", Type::Scalar(Base::Texture)},
        {"Texture2D", Type::Scalar(Base::Texture)},
        {"sampler", Type::Scalar(Base::Sampler)},
        {"sampler2D", Type::Scalar(Base::Sampler)},
        {"Sampler", Type::Scalar(Base::Sampler)},
        {"string", Type::Scalar(Base::String)},
    };
    auto it = kOthers.find(name);
    if (it == kOthers.end()) return false;
    type = it->second;
    return true;
}

namespace {

const std::unordered_set<std::string> kModifiers = {
    "uniform", "static",   "const",   "extern",   "volatile",        "shared",    "row_major",
    "column_major", "inline", "precise", "nointerpolation", "linear", "centroid", "noperspective",
    "in",      "out",      "inout",   "snorm",    "unorm",           "groupshared"};

struct Modifiers {
    bool isUniform = false, isStatic = false, isConst = false, in = false, out = false;
};

struct Abort {};

class Parser {
public:
    Parser(const std::vector<Token>& t, Module& m, Diagnostics& d) : t_(t), m_(m), diag_(d) {}

    // translation_unit := { top_level }
    bool Run()
    {
        while (!AtEnd() && !stop_) {
            try {
                TopLevelDecl();
            } catch (Abort&) {
                if (stop_) break;
                SyncTop();
            }
        }
        return errors_ == 0;
    }

private:
    // ---- tokens --------------------------------------------------------
    const Token& Tok(size_t ahead = 0) const
    {
        size_t i = p_ + ahead;
        return i < t_.size() ? t_[i] : t_.back();
    }
    bool AtEnd() const { return Tok().kind == TokKind::End; }
    bool Is(const char* p, size_t ahead = 0) const { return Tok(ahead).Is(p); }
    bool IsId(const char* s, size_t ahead = 0) const { return Tok(ahead).IsIdent(s); }
    const Token& Next()
    {
        const Token& t = Tok();
        if (!AtEnd()) ++p_;
        return t;
    }
    bool Accept(const char* p)
    {
        if (Is(p)) {
            ++p_;
            return true;
        }
        return false;
    }
    void Expect(const char* p)
    {
        if (!Accept(p)) Fail(Tok(), std::string("expected '") + p + "'");
    }
    std::string ExpectIdent()
    {
        if (Tok().kind != TokKind::Ident) Fail(Tok(), "expected identifier");
        return Next().text;
    }

    [[noreturn]] void Fail(const Token& at, const std::string& what)
    {
        std::string text = "syntax error: ";
        if (at.kind == TokKind::End)
            text += "unexpected end of file";
        else if (at.kind == TokKind::Invalid)
            text += at.text[0] == '"' ? "unterminated string literal" : "unexpected character '" + at.text + "'";
        else
            text += "unexpected " + std::string(at.kind == TokKind::Ident ? "token '" : "'") + at.text + "'";
        text += " (" + what + ")";
        Error(at.loc, text);
        throw Abort{};
    }
    void Error(Loc at, const std::string& text)
    {
        diag_.Error(at, code::Syntax, text);
        if (++errors_ >= 20 || diag_.Full()) stop_ = true;
    }

    // One level of real nesting (a bracket, a unary operator or cast, a
    // statement inside another); the grammar functions in between do not
    // count, so the limit is about the source, not about this parser.
    struct Depth {
        explicit Depth(Parser& p) : p_(p)
        {
            if (++p_.depth_ > kMaxParseDepth) {
                --p_.depth_;
                p_.stop_ = true;
                p_.diag_.Error(p_.Tok().loc, code::LimitExceeded, "nesting too deep");
                ++p_.errors_;
                throw Abort{};
            }
        }
        ~Depth() { --p_.depth_; }
        Parser& p_;
    };

    // Records the height of a node whose operands are set. A left-nested
    // chain (a + b + c ..., a.x.y ...) is parsed in a loop but builds a tree
    // as deep as it is long, and the later phases walk it recursively.
    Expr* Sized(Expr* e)
    {
        int h = 0;
        for (const Expr* a : e->args)
            if (a && a->height > h) h = a->height;
        e->height = h + 1;
        if (e->height > kMaxExprHeight) {
            stop_ = true;
            diag_.Error(e->loc, code::LimitExceeded, "expression nested too deeply");
            ++errors_;
            throw Abort{};
        }
        return e;
    }

    // Skips to the end of the current top-level declaration.
    void SyncTop()
    {
        int depth = 0;
        while (!AtEnd()) {
            const Token& t = Next();
            if (t.Is("{")) ++depth;
            if (t.Is("}") && --depth <= 0) {
                Accept(";");
                return;
            }
            if (t.Is(";") && depth <= 0) return;
        }
    }

    // Skips to the end of the current statement, stopping before the '}'
    // that closes the enclosing block.
    void SyncStatement()
    {
        int depth = 0;
        while (!AtEnd()) {
            if (Is("}")) {
                if (depth == 0) return;
                --depth;
                ++p_;
                if (depth == 0) return;
                continue;
            }
            const Token& t = Next();
            if (t.Is("{")) ++depth;
            if (t.Is(";") && depth == 0) return;
        }
    }

    // ---- types ---------------------------------------------------------
    bool IsTypeName(const Token& t) const
    {
        Type ignored;
        return t.kind == TokKind::Ident && (BuiltinType(t.text, ignored) || types_.count(t.text) || t.text == "struct");
    }

    // type := builtin | struct_name | typedef_name | 'vector' '<' scalar ',' n '>'
    //       | 'matrix' '<' scalar ',' n ',' n '>' | 'struct' struct_body
    Type ParseType()
    {
        const Token& t = Tok();
        if (t.kind != TokKind::Ident) Fail(t, "expected type");
        if (t.text == "struct") return Type{Base::Struct, Shape::Scalar, 1, 1, 0, StructBody()};
        if ((t.text == "vector" || t.text == "matrix") && Is("<", 1)) {
            bool matrix = t.text == "matrix";
            p_ += 2;
            Type scalar;
            if (Tok().kind != TokKind::Ident || !BuiltinType(Tok().text, scalar) || scalar.shape != Shape::Scalar)
                Fail(Tok(), "expected scalar type");
            ++p_;
            Expect(",");
            int r = SmallInt();
            int c = 0;
            if (matrix) {
                Expect(",");
                c = SmallInt();
            }
            Expect(">");
            return matrix ? Type::Matrix(scalar.base, r, c) : Type::Vector(scalar.base, r);
        }
        Type type;
        if (BuiltinType(t.text, type)) {
            ++p_;
            return type;
        }
        auto it = types_.find(t.text);
        if (it == types_.end()) Fail(t, "expected type");
        ++p_;
        return it->second;
    }

    // small_int := '1' | '2' | '3' | '4'
    int SmallInt()
    {
        const Token& t = Tok();
        if (t.kind != TokKind::IntLit || t.text.size() != 1 || t.text[0] < '1' || t.text[0] > '4')
            Fail(t, "expected 1 to 4");
        ++p_;
        return t.text[0] - '0';
    }

    // struct_body := [ident] '{' { field_decl } '}'
    // field_decl := { modifier } type ident { '[' expr ']' } [':' semantic] ';'
    const StructDef* StructBody()
    {
        ++p_;  // 'struct'

        m_.structs.emplace_back();
        StructDef* s = &m_.structs.back();
        s->loc = Tok().loc;
        if (Tok().kind == TokKind::Ident) {
            s->name = Next().text;
            if (types_.count(s->name)) diag_.Error(s->loc, code::Redefinition, "'" + s->name + "': type redefinition");
        }
        Expect("{");
        while (!Accept("}")) {
            if (AtEnd()) Fail(Tok(), "expected '}'");
            while (Tok().kind == TokKind::Ident && kModifiers.count(Tok().text)) ++p_;
            Type ft = ParseType();
            do {
                StructField f;
                f.loc = Tok().loc;
                f.name = ExpectIdent();
                f.type = ft;
                if (Accept("[")) {
                    f.arraySize = Expression();
                    Expect("]");
                }
                if (Accept(":")) f.semantic = ExpectIdent();
                for (const StructField& other : s->fields)
                    if (other.name == f.name)
                        diag_.Error(f.loc, code::Redefinition, "'" + f.name + "': redefinition");
                s->fields.push_back(std::move(f));
            } while (Accept(","));
            Expect(";");
        }
        if (!s->name.empty()) types_[s->name] = Type{Base::Struct, Shape::Scalar, 1, 1, 0, s};
        hlsl::TopLevel item{TopLevel::Kind::Struct};
        item.structDef = s;
        m_.items.push_back(item);
        return s;
    }

    // modifiers := { 'uniform' | 'static' | 'const' | 'in' | 'out' | 'inout' | 'row_major' | ... }
    Modifiers ParseModifiers()
    {
        Modifiers mods;
        while (Tok().kind == TokKind::Ident && kModifiers.count(Tok().text)) {
            const std::string& s = Next().text;
            if (s == "uniform") mods.isUniform = true;
            if (s == "static") mods.isStatic = true;
            if (s == "const") mods.isConst = true;
            if (s == "in") mods.in = true;
            if (s == "out") mods.out = true;
            if (s == "inout") mods.in = mods.out = true;
        }
        return mods;
    }

    // annotations := '<' { anything but '>' } '>'
    void SkipAnnotations()
    {
        if (!Is("<")) return;
        ++p_;
        while (!Accept(">")) {
            if (AtEnd()) Fail(Tok(), "expected '>' closing the annotations");
            ++p_;
        }
    }

    // semantics := { ':' ( ident | 'register' '(' ... ')' | 'packoffset' '(' ... ')' ) }
    std::string Semantics()
    {
        std::string semantic;
        while (Accept(":")) {
            const Token& t = Tok();
            if (t.kind != TokKind::Ident) Fail(t, "expected semantic");
            ++p_;
            if ((t.text == "register" || t.text == "packoffset") && Accept("(")) {
                while (!Accept(")")) {
                    if (AtEnd()) Fail(Tok(), "expected ')'");
                    ++p_;
                }
                continue;
            }
            semantic = t.text;
        }
        return semantic;
    }

    // ---- top level -----------------------------------------------------
    // top_level := ';' | 'typedef' [const] type ident ';' | technique
    //            | { modifier } type ( function | declarator { ',' declarator } ';' )
    void TopLevelDecl()
    {
        if (Accept(";")) return;
        const Token& t = Tok();
        if (t.IsIdent("technique") || t.IsIdent("Technique") || t.IsIdent("technique9") ||
            t.IsIdent("technique10") || t.IsIdent("technique11")) {
            TechniqueDecl();
            return;
        }
        if (t.IsIdent("typedef")) {
            ++p_;
            Accept("const");
            Type type = ParseType();
            do {
                Loc at = Tok().loc;
                std::string name = ExpectIdent();
                if (types_.count(name)) diag_.Error(at, code::Redefinition, "'" + name + "': type redefinition");
                types_[name] = type;
            } while (Accept(","));
            Expect(";");
            return;
        }
        if (t.kind == TokKind::Ident && Tok(1).kind == TokKind::Ident &&
            (t.text == "PixelShader" || t.text == "pixelshader" || t.text == "VertexShader" || t.text == "vertexshader")) {
            // shader_var := ('PixelShader' | 'VertexShader') state
            ++p_;
            m_.shaderVars.push_back(State());
            return;
        }
        Modifiers mods = ParseModifiers();
        if (Tok().IsIdent("struct") && (Is("{", 1) || Is("{", 2))) {
            Type st = ParseType();
            if (Accept(";")) return;
            GlobalDeclarators(st, mods);
            return;
        }
        if (!IsTypeName(Tok())) Fail(Tok(), "expected declaration");
        Type type = ParseType();
        if (Tok().kind == TokKind::Ident && Is("(", 1)) {
            FunctionDecl(type);
            return;
        }
        GlobalDeclarators(type, mods);
    }

    // global_declarators := declarator { ',' declarator } ';'
    void GlobalDeclarators(const Type& type, const Modifiers& mods)
    {
        do {
            Var* v = Declarator(type, mods, Storage::Global);
            hlsl::TopLevel item{TopLevel::Kind::Var};
            item.var = v;
            m_.items.push_back(item);
        } while (Accept(","));
        Expect(";");
    }

    // declarator := ident [ '[' [expr] ']' ] semantics [annotations]
    //               [ '=' ( initializer | 'sampler_state' state_block ) ]
    Var* Declarator(const Type& type, const Modifiers& mods, Storage storage)
    {
        Var* v = m_.NewVar();
        v->loc = Tok().loc;
        v->name = ExpectIdent();
        v->type = type;
        v->storage = storage;
        v->isUniform = mods.isUniform;
        v->isStatic = mods.isStatic;
        v->isConst = mods.isConst;
        if (Accept("[")) {
            if (Accept("]")) {
                v->unsizedArray = true;
            } else {
                v->arraySize = Expression();
                Expect("]");
            }
            if (Is("[")) Fail(Tok(), "arrays of arrays are not supported");
        }
        v->semantic = Semantics();
        SkipAnnotations();
        if (Accept("=")) {
            if (IsId("sampler_state")) {
                ++p_;
                v->hasSamplerState = true;
                v->samplerStates = StateBlock();
            } else {
                v->init = Initializer();
            }
        }
        return v;
    }

    // initializer := '{' initializer { ',' initializer } [','] '}' | assignment
    Expr* Initializer()
    {
        if (Is("{")) {
            Depth d(*this);
            Expr* list = m_.NewExpr(ExprKind::InitList, Next().loc);
            while (!Accept("}")) {
                list->args.push_back(Initializer());
                if (!Accept(",")) {
                    Expect("}");
                    break;
                }
            }
            return Sized(list);
        }
        return Assignment();
    }

    // state_block := '{' { state } '}'
    std::vector<StateAssignment> StateBlock()
    {
        std::vector<StateAssignment> states;
        Expect("{");
        while (!Accept("}")) {
            if (AtEnd()) Fail(Tok(), "expected '}'");
            states.push_back(State());
        }
        return states;
    }

    // state := ident [ '[' int ']' ] '=' state_value ';'
    // state_value := '<' ident '>' | '(' ident ')' | 'compile' profile ident '(' [args] ')'
    //              | 'NULL' | ident | ['-'] number | 'true' | 'false'
    StateAssignment State()
    {
        StateAssignment s;
        s.loc = Tok().loc;
        s.name = ExpectIdent();
        if (Accept("[")) {
            const Token& n = Tok();
            if (n.kind != TokKind::IntLit) Fail(n, "expected state index");
            s.index = static_cast<int>(std::strtol(n.text.c_str(), nullptr, 0));
            ++p_;
            Expect("]");
        }
        Expect("=");
        s.valueLoc = Tok().loc;
        if (Accept("<")) {
            s.valueKind = StateAssignment::Value::Ref;
            s.valueLoc = Tok().loc;
            s.ident = ExpectIdent();
            Expect(">");
        } else if (Accept("(")) {
            s.valueKind = StateAssignment::Value::Ref;
            s.valueLoc = Tok().loc;
            s.ident = ExpectIdent();
            Expect(")");
        } else if (IsId("compile")) {
            ++p_;
            s.valueKind = StateAssignment::Value::Compile;
            s.profile = ExpectIdent();
            s.valueLoc = Tok().loc;
            s.entry = ExpectIdent();
            Expect("(");
            if (!Accept(")")) {
                do {
                    s.args.push_back(Assignment());
                } while (Accept(","));
                Expect(")");
            }
        } else if (IsId("NULL") || IsId("null")) {
            ++p_;
            s.valueKind = StateAssignment::Value::Null;
        } else if (Tok().kind == TokKind::Ident) {
            s.valueKind = StateAssignment::Value::Ident;
            s.ident = Next().text;
        } else {
            bool negative = Accept("-");
            const Token& n = Tok();
            if (n.kind != TokKind::IntLit && n.kind != TokKind::FloatLit) Fail(n, "expected state value");
            ++p_;
            s.valueKind = StateAssignment::Value::Number;
            s.number = n.kind == TokKind::IntLit ? static_cast<double>(std::strtoull(n.text.c_str(), nullptr, 0))
                                                 : std::strtod(n.text.c_str(), nullptr);
            if (negative) s.number = -s.number;
        }
        Expect(";");
        return s;
    }

    // technique := ('technique' | 'technique9' | ...) [ident] [annotations] '{' { pass } '}'
    // pass := 'pass' [ident] [annotations] state_block
    void TechniqueDecl()
    {
        ++p_;
        Technique tech;
        tech.loc = Tok().loc;
        if (Tok().kind == TokKind::Ident) tech.name = Next().text;
        SkipAnnotations();
        Expect("{");
        while (!Accept("}")) {
            if (!IsId("pass")) Fail(Tok(), "expected 'pass'");
            ++p_;
            Pass pass;
            pass.loc = Tok().loc;
            if (Tok().kind == TokKind::Ident) pass.name = Next().text;
            SkipAnnotations();
            pass.states = StateBlock();
            tech.passes.push_back(std::move(pass));
        }
        m_.techniques.push_back(std::move(tech));
    }

    // function := type ident '(' [ param { ',' param } | 'void' ] ')' semantics ( ';' | block )
    // param := { modifier } type ident [ '[' expr ']' ] semantics [ '=' assignment ]
    void FunctionDecl(const Type& returnType)
    {
        m_.functions.emplace_back();
        Function* f = &m_.functions.back();
        f->id = static_cast<int>(m_.functions.size());
        f->loc = Tok().loc;
        f->name = Next().text;
        f->returnType = returnType;
        Expect("(");
        if (IsId("void") && Is(")", 1)) ++p_;
        if (!Accept(")")) {
            do {
                Modifiers mods = ParseModifiers();
                Type pt = ParseType();
                Var* v = Declarator(pt, mods, Storage::Param);
                v->dir = mods.out ? (mods.in ? ParamDir::InOut : ParamDir::Out) : ParamDir::In;
                f->params.push_back(v);
            } while (Accept(","));
            Expect(")");
        }
        f->semantic = Semantics();
        SkipAnnotations();
        hlsl::TopLevel item{TopLevel::Kind::Function};
        item.function = f;
        m_.items.push_back(item);
        if (Accept(";")) return;
        f->body = Block();
    }

    // ---- statements ----------------------------------------------------
    // block := '{' { statement } '}'
    Stmt* Block()
    {
        Depth d(*this);
        Stmt* s = m_.NewStmt(StmtKind::Block, Tok().loc);
        Expect("{");
        while (!Accept("}")) {
            if (AtEnd()) Fail(Tok(), "expected '}'");
            try {
                s->body.push_back(Statement());
            } catch (Abort&) {
                if (stop_) throw;
                SyncStatement();
            }
        }
        return s;
    }

    // attributes := { '[' ident [ '(' expr ')' ] ']' }
    void SkipAttributes()
    {
        while (Is("[") && Tok(1).kind == TokKind::Ident) {
            p_ += 2;
            if (Accept("(")) {
                Expression();
                Expect(")");
            }
            Expect("]");
        }
    }

    bool IsDeclarationStart() const
    {
        const Token& t = Tok();
        if (t.kind != TokKind::Ident) return false;
        if (kModifiers.count(t.text)) return true;
        if (!IsTypeName(t)) return false;
        return !Is("(", 1);  // float4(...) starts an expression
    }

    // statement := attributes ( block | if | for | while | do | 'break' ';' | 'continue' ';'
    //            | 'return' [expr] ';' | 'discard' ';' | ';' | declaration ';' | expr ';' )
    Stmt* Statement()
    {
        SkipAttributes();
        const Token& t = Tok();
        Loc at = t.loc;
        if (t.Is("{")) return Block();
        Depth d(*this);
        if (Accept(";")) return m_.NewStmt(StmtKind::Empty, at);
        if (t.kind == TokKind::Ident) {
            if (t.text == "if") {
                // if := 'if' '(' expr ')' statement [ 'else' statement ]
                ++p_;
                Stmt* s = m_.NewStmt(StmtKind::If, at);
                Expect("(");
                s->expr = Expression();
                Expect(")");
                s->then = Statement();
                if (IsId("else")) {
                    ++p_;
                    s->otherwise = Statement();
                }
                return s;
            }
            if (t.text == "for") {
                // for := 'for' '(' ( declaration | [expr] ) ';' [expr] ';' [expr] ')' statement
                ++p_;
                Stmt* s = m_.NewStmt(StmtKind::For, at);
                Expect("(");
                if (!Is(";")) s->init = SimpleStatement();
                Expect(";");
                if (!Is(";")) s->expr = Expression();
                Expect(";");
                if (!Is(")")) s->step = Expression();
                Expect(")");
                s->then = Statement();
                return s;
            }
            if (t.text == "while") {
                // while := 'while' '(' expr ')' statement
                ++p_;
                Stmt* s = m_.NewStmt(StmtKind::While, at);
                Expect("(");
                s->expr = Expression();
                Expect(")");
                s->then = Statement();
                return s;
            }
            if (t.text == "do") {
                // do := 'do' statement 'while' '(' expr ')' ';'
                ++p_;
                Stmt* s = m_.NewStmt(StmtKind::Do, at);
                s->then = Statement();
                if (!IsId("while")) Fail(Tok(), "expected 'while'");
                ++p_;
                Expect("(");
                s->expr = Expression();
                Expect(")");
                Expect(";");
                return s;
            }
            if (t.text == "break" || t.text == "continue" || t.text == "discard") {
                ++p_;
                Stmt* s = m_.NewStmt(t.text == "break"      ? StmtKind::Break
                                     : t.text == "continue" ? StmtKind::Continue
                                                            : StmtKind::Discard,
                                     at);
                Expect(";");
                return s;
            }
            if (t.text == "switch") {
                diag_.Error(t.loc, code::NotSupported, "switch statements are not supported; use if/else");
                ++errors_;
                throw Abort{};
            }
            if (t.text == "return") {
                ++p_;
                Stmt* s = m_.NewStmt(StmtKind::Return, at);
                if (!Is(";")) s->expr = Expression();
                Expect(";");
                return s;
            }
        }
        Stmt* s = SimpleStatement();
        Expect(";");
        return s;
    }

    // simple_statement := { modifier } type declarator { ',' declarator } | expr
    Stmt* SimpleStatement()
    {
        Loc at = Tok().loc;
        if (IsDeclarationStart()) {
            Stmt* s = m_.NewStmt(StmtKind::Decl, at);
            Modifiers mods = ParseModifiers();
            Type type = ParseType();
            do {
                s->decls.push_back(Declarator(type, mods, Storage::Local));
            } while (Accept(","));
            return s;
        }
        Stmt* s = m_.NewStmt(StmtKind::Expr, at);
        s->expr = Expression();
        return s;
    }

    // ---- expressions ---------------------------------------------------
    // expr := assignment { ',' assignment }
    Expr* Expression()
    {
        Expr* e = Assignment();
        while (Is(",")) {
            Expr* c = m_.NewExpr(ExprKind::Comma, Next().loc);
            c->args = {e, Assignment()};
            e = Sized(c);
        }
        return e;
    }

    static bool IsAssignOp(const Token& t)
    {
        static const std::unordered_set<std::string> ops = {"=",  "+=", "-=", "*=",  "/=",  "%=",
                                                            "&=", "|=", "^=", "<<=", ">>="};
        return t.kind == TokKind::Punct && ops.count(t.text);
    }

    // assignment := conditional [ assign_op assignment ]
    Expr* Assignment()
    {
        Depth d(*this);
        Expr* lhs = Conditional();
        if (IsAssignOp(Tok())) {
            const Token& op = Next();
            Expr* e = m_.NewExpr(ExprKind::Assign, op.loc);
            e->name = op.text;
            e->args = {lhs, Assignment()};
            return Sized(e);
        }
        return lhs;
    }

    // conditional := binary [ '?' expr ':' assignment ]
    Expr* Conditional()
    {
        Expr* c = Binary(1);
        if (Is("?")) {
            Expr* e = m_.NewExpr(ExprKind::Conditional, Next().loc);
            Expr* a = Expression();
            Expect(":");
            Expr* b = Assignment();
            e->args = {c, a, b};
            return Sized(e);
        }
        return c;
    }

    static int Precedence(const Token& t)
    {
        if (t.kind != TokKind::Punct) return -1;
        static const std::unordered_map<std::string, int> p = {
            {"||", 1}, {"&&", 2}, {"|", 3},  {"^", 4},  {"&", 5},  {"==", 6}, {"!=", 6},
            {"<", 7},  {">", 7},  {"<=", 7}, {">=", 7}, {"<<", 8}, {">>", 8}, {"+", 9},
            {"-", 9},  {"*", 10}, {"/", 10}, {"%", 10}};
        auto it = p.find(t.text);
        return it == p.end() ? -1 : it->second;
    }

    // binary(n) := unary { op_of_precedence_at_least_n binary(precedence + 1) }
    // precedence, low to high: || && | ^ & (== !=) (< > <= >=) (<< >>) (+ -) (* / %)
    Expr* Binary(int minPrec)
    {
        Expr* lhs = Unary();
        while (true) {
            int p = Precedence(Tok());
            if (p < minPrec) return lhs;
            const Token& op = Next();
            Expr* e = m_.NewExpr(ExprKind::Binary, op.loc);
            e->name = op.text;
            e->args = {lhs, Binary(p + 1)};
            lhs = Sized(e);
        }
    }

    // unary := ('+' | '-' | '!' | '~' | '++' | '--') unary | '(' type ')' unary | postfix
    Expr* Unary()
    {
        const Token& t = Tok();
        if (t.Is("+") || t.Is("-") || t.Is("!") || t.Is("~") || t.Is("++") || t.Is("--")) {
            Depth d(*this);
            ++p_;
            Expr* e = m_.NewExpr(ExprKind::Unary, t.loc);
            e->name = t.text;
            e->args = {Unary()};
            return Sized(e);
        }
        if (t.Is("(") && IsTypeName(Tok(1))) {
            size_t save = p_;
            ++p_;
            Type type = ParseType();
            if (Accept(")")) {
                Depth d(*this);
                Expr* e = m_.NewExpr(ExprKind::Cast, t.loc);
                e->type = type;
                e->args = {Unary()};
                return Sized(e);
            }
            p_ = save;
        }
        return Postfix();
    }

    // postfix := primary { '[' expr ']' | '.' ident | '++' | '--' }
    Expr* Postfix()
    {
        Expr* e = Primary();
        while (true) {
            const Token& t = Tok();
            if (t.Is("[")) {
                ++p_;
                Expr* i = m_.NewExpr(ExprKind::Index, t.loc);
                i->args = {e, Expression()};
                Expect("]");
                e = Sized(i);
            } else if (t.Is(".")) {
                ++p_;
                Expr* mbr = m_.NewExpr(ExprKind::Member, Tok().loc);
                mbr->name = ExpectIdent();
                mbr->args = {e};
                e = Sized(mbr);
            } else if (t.Is("++") || t.Is("--")) {
                ++p_;
                Expr* pf = m_.NewExpr(ExprKind::Postfix, t.loc);
                pf->name = t.text;
                pf->args = {e};
                e = Sized(pf);
            } else {
                return e;
            }
        }
    }

    // arguments := '(' [ assignment { ',' assignment } ] ')'
    void Arguments(Expr* call)
    {
        Expect("(");
        if (Accept(")")) return;
        do {
            call->args.push_back(Assignment());
        } while (Accept(","));
        Expect(")");
    }

    // primary := int | float | 'true' | 'false' | ident [ arguments ] | type arguments
    //          | '(' expr ')'
    Expr* Primary()
    {
        const Token& t = Tok();
        if (t.kind == TokKind::IntLit) {
            ++p_;
            Expr* e = m_.NewExpr(ExprKind::IntLit, t.loc);
            char* end = nullptr;
            errno = 0;
            e->intValue = std::strtoull(t.text.c_str(), &end, 0);
            bool isUnsigned = false;
            for (; *end; ++end) {
                if (*end == 'u' || *end == 'U') isUnsigned = true;
                else if (*end != 'l' && *end != 'L') {
                    Error(t.loc, "syntax error: invalid integer literal '" + t.text + "'");
                    break;
                }
            }
            if (errno == ERANGE || e->intValue > 0xFFFFFFFFull) {
                Error(t.loc, "integer literal '" + t.text + "' is too large");
                e->intValue = 0;
            }
            e->type = Type::Scalar(isUnsigned ? Base::Uint : Base::Int);
            return e;
        }
        if (t.kind == TokKind::FloatLit) {
            ++p_;
            Expr* e = m_.NewExpr(ExprKind::FloatLit, t.loc);
            char* end = nullptr;
            e->number = std::strtod(t.text.c_str(), &end);
            if (*end == 'f' || *end == 'F' || *end == 'h' || *end == 'H' || *end == 'l' || *end == 'L') ++end;
            if (*end) Error(t.loc, "syntax error: invalid number '" + t.text + "'");
            e->type = Type::Scalar(Base::Float);
            return e;
        }
        if (t.kind == TokKind::String) {
            ++p_;
            Expr* e = m_.NewExpr(ExprKind::StringLit, t.loc);
            e->name = t.text;
            e->type = Type::Scalar(Base::String);
            return e;
        }
        if (t.IsIdent("true") || t.IsIdent("false")) {
            ++p_;
            Expr* e = m_.NewExpr(ExprKind::BoolLit, t.loc);
            e->intValue = t.text == "true";
            e->type = Type::Scalar(Base::Bool);
            return e;
        }
        if (t.Is("(")) {
            ++p_;
            Expr* e = Expression();
            Expect(")");
            return e;
        }
        if (t.kind == TokKind::Ident) {
            if (IsTypeName(t) && t.text != "struct" && (Is("(", 1) || Is("<", 1))) {
                Expr* e = m_.NewExpr(ExprKind::Construct, t.loc);
                e->type = ParseType();
                if (!Is("(")) Fail(Tok(), "expected '(' after type");
                Arguments(e);
                return Sized(e);
            }
            ++p_;
            if (Is("(")) {
                Expr* e = m_.NewExpr(ExprKind::Call, t.loc);
                e->name = t.text;
                Arguments(e);
                return Sized(e);
            }
            Expr* e = m_.NewExpr(ExprKind::Name, t.loc);
            e->name = t.text;
            return e;
        }
        Fail(t, "expected expression");
    }

    const std::vector<Token>& t_;
    Module& m_;
    Diagnostics& diag_;
    std::unordered_map<std::string, Type> types_;
    size_t p_ = 0;
    int depth_ = 0;
    int errors_ = 0;
    bool stop_ = false;
};

}  // namespace

bool Parse(const std::vector<Token>& tokens, Module& module, Diagnostics& diag)
{
    if (tokens.empty() || tokens.back().kind != TokKind::End) return false;
    return Parser(tokens, module, diag).Run();
}

}  // namespace hlsl
