#include "glsl_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "intrinsics.h"

namespace hlsl {
namespace {

// User identifiers cannot meet GLSL keywords, built-ins or our helpers:
// every name gets a prefix, and '_' becomes "0_" (and '0' before '_' is
// kept apart) so that no name has the reserved "__".
std::string Encode(const std::string& name)
{
    std::string s;
    s.reserve(name.size() + 4);
    for (char c : name) {
        if (c == '_')
            s += "0_";
        else
            s += c;
    }
    return s;
}

std::string ScalarName(Base b)
{
    switch (b) {
    case Base::Bool: return "bool";
    case Base::Int: return "int";
    case Base::Uint: return "uint";
    default: return "float";
    }
}

std::string VectorPrefix(Base b)
{
    switch (b) {
    case Base::Bool: return "bvec";
    case Base::Int: return "ivec";
    case Base::Uint: return "uvec";
    default: return "vec";
    }
}

std::string FloatLiteral(double v)
{
    float f = static_cast<float>(v);
    if (std::isnan(f)) return "(0.0 / 0.0)";
    if (std::isinf(f)) return f > 0 ? "uintBitsToFloat(0x7f800000u)" : "uintBitsToFloat(0xff800000u)";
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(f));
    std::string s = buf;
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s;
}

struct Semantic {
    std::string name;  // upper case, without the index
    int index = 0;
};

Semantic ParseSemantic(const std::string& s)
{
    Semantic r;
    size_t end = s.size();
    while (end > 0 && s[end - 1] >= '0' && s[end - 1] <= '9') --end;
    for (size_t i = 0; i < end; ++i) r.name += static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
    if (end < s.size() && s.size() - end < 4) r.index = std::stoi(s.substr(end));
    return r;
}

class Writer {
public:
    Writer(const Module& m, Diagnostics& d) : m_(m), diag_(d) {}

    bool Run(const Function& entryDecl, const std::vector<Expr*>& uniformArgs, Loc at, PassDesc& out);

private:
    // ---- names and types ------------------------------------------------
    std::string VarName(const Var* v)
    {
        if (v->storage == Storage::Global) return "h_" + Encode(v->name);
        return "l" + std::to_string(v->id) + "_" + Encode(v->name);
    }
    std::string FunctionName(const Function* f) { return std::string("f") += std::to_string(f->id) + "_" + Encode(f->name); }
    std::string StructName(const StructDef* s)
    {
        auto it = structNames_.find(s);
        if (it != structNames_.end()) return it->second;
        std::string n = "s" + std::to_string(structNames_.size()) + "_" + Encode(s->name.empty() ? "anon" : s->name);
        structNames_[s] = n;
        return n;
    }
    static std::string FieldName(const std::string& f) { return "m_" + Encode(f); }

    // GLSL type of an HLSL type without its array size. Matrices are kept
    // transposed: HLSL floatRxC is GLSL matRxC, whose column i is row i.
    std::string TypeText(const Type& t)
    {
        switch (t.base) {
        case Base::Sampler: return "sampler2D";
        case Base::Struct: return StructName(t.structDef);
        case Base::Void: return "void";
        default: break;
        }
        if (t.shape == Shape::Matrix)
            return t.rows == t.cols ? "mat" + std::to_string(t.rows)
                                    : "mat" + std::to_string(t.rows) + "x" + std::to_string(t.cols);
        if (t.shape == Shape::Vector && t.cols > 1) return VectorPrefix(t.base) + std::to_string(t.cols);
        return ScalarName(t.base);
    }
    std::string Declaration(const Type& t, const std::string& name)
    {
        std::string s = TypeText(t) + " " + name;
        if (t.IsArray()) s += "[" + std::to_string(t.arraySize) + "]";
        return s;
    }

    bool Supported(const Type& t, Loc at)
    {
        if (t.shape == Shape::Matrix && (t.rows == 1 || t.cols == 1)) {
            Fail(at, "'" + TypeName(t) + "' matrices are not supported");
            return false;
        }
        if (t.base == Base::Struct && t.structDef)
            for (const StructField& f : t.structDef->fields)
                if (!Supported(f.type, f.loc)) return false;
        return true;
    }

    void Fail(Loc at, const std::string& text)
    {
        diag_.Error(at, code::NotSupported, text);
        ok_ = false;
    }

    // ---- helpers ------------------------------------------------------
    void Helper(const std::string& key, const std::string& code)
    {
        if (helperKeys_.insert(key).second) helpers_ += code;
    }

    // Component-wise helper of type `t`: the body applies `op` to
    // components named a, b (and c).
    std::string ComponentWise(const std::string& name, const Type& result, const std::vector<Type>& params,
                              const std::string& scalarBody)
    {
        std::string key = name + ":" + TypeText(result);
        for (const Type& p : params) (key += ',') += TypeText(p);
        if (helperKeys_.count(key)) return name;
        int n = result.Count();
        std::string sig = TypeText(result) + " " + name + "(";
        const char* names[] = {"a", "b", "c"};
        for (size_t i = 0; i < params.size(); ++i) sig += (i ? ", " : "") + TypeText(params[i]) + " " + names[i];
        sig += ")";
        std::string body;
        if (n == 1) {
            body = "return " + scalarBody + ";";
        } else {
            // Scalar version first, then the vector one per component.
            Type sr = Type::Scalar(result.base);
            std::vector<Type> sp;
            for (const Type& p : params) sp.push_back(Type::Scalar(p.base));
            ComponentWise(name, sr, sp, scalarBody);
            body = "return " + TypeText(result) + "(";
            for (int i = 0; i < n; ++i) {
                body += i ? ", " : "";
                body += name + "(";
                for (size_t k = 0; k < params.size(); ++k) body += (k ? ", " : "") + std::string(names[k]) + "[" + std::to_string(i) + "]";
                body += ")";
            }
            body += ");";
        }
        Helper(key, sig + " { " + body + " }\n");
        return name;
    }

    // ---- expressions --------------------------------------------------
    std::string Convert(const std::string& x, const Type& from, const Type& to)
    {
        if (SameType(from, to)) return x;
        if (!to.IsNumeric()) return x;
        if (from.IsScalarLike() && to.IsScalarLike() && from.base == to.base) return x;
        if (to.IsScalarLike()) return ScalarName(to.base) + "(" + x + ")";
        if (to.shape == Shape::Vector) return TypeText(to) + "(" + x + ")";
        // matrix
        if (from.IsScalarLike()) {
            std::string name = "kd_splat" + std::to_string(to.rows) + "x" + std::to_string(to.cols);
            std::string body = TypeText(to) + "(";
            for (int i = 0; i < to.Count(); ++i) body += i ? ", x" : "x";
            Helper(name, TypeText(to) + " " + name + "(float x) { return " + body + "); }\n");
            return name + "(float(" + x + "))";
        }
        return TypeText(to) + "(" + x + ")";
    }

    std::string Emit(const Expr* e);
    std::string EmitBinary(const Expr* e);
    std::string BinaryText(const std::string& op, const std::string& a, const std::string& b, const Type& t);
    std::string EmitIntrinsic(const Expr* e);
    std::string EmitMember(const Expr* e);
    std::string Args(const Expr* e, size_t from = 0)
    {
        std::string s;
        for (size_t i = from; i < e->args.size(); ++i) s += (i > from ? ", " : "") + Emit(e->args[i]);
        return s;
    }

    // A zero of any declarable type: variables without an initialiser start
    // at zero, as static globals do in HLSL.
    std::string Zero(const Type& t)
    {
        if (t.IsArray()) {
            std::string s = TypeText(t) + "[" + std::to_string(t.arraySize) + "](";
            std::string element = Zero(t.Element());
            for (int i = 0; i < t.arraySize; ++i) s += (i ? ", " : "") + element;
            return s + ")";
        }
        if (t.base == Base::Struct) {
            std::string s = StructName(t.structDef) + "(";
            bool first = true;
            for (const StructField& f : t.structDef->fields) {
                s += (first ? "" : ", ") + Zero(f.type);
                first = false;
            }
            return s + ")";
        }
        return Convert("0", Type::Scalar(Base::Int), t);
    }

    // " = zero;" after a declaration, or a loop for long arrays.
    std::string ZeroFill(const std::string& name, const Type& t, int indent)
    {
        if (!t.IsArray() || t.arraySize <= 16) return " = " + Zero(t) + ";\n";
        return ";\n" + std::string(static_cast<size_t>(indent), ' ') + "for (int kd_i = 0; kd_i < " +
               std::to_string(t.arraySize) + "; ++kd_i) " + name + "[kd_i] = " + Zero(t.Element()) + ";\n";
    }

    // ---- statements ---------------------------------------------------
    void EmitStmt(const Stmt* s, int indent, std::string& out);
    void EmitLocal(const Var* v, int indent, std::string& out)
    {
        if (!Supported(v->type, v->loc)) return;
        if (v->isStatic) {  // keeps its value from call to call: a global set once
            staticLocals_.push_back(v);
            return;
        }
        out.append(static_cast<size_t>(indent), ' ');
        out += Declaration(v->type, VarName(v));
        if (v->init)
            out += " = " + Emit(v->init) + ";\n";
        else
            out += ZeroFill(VarName(v), v->type, indent);
    }

    // ---- collection ---------------------------------------------------
    void Scan(const Expr* e);
    void Collect();
    std::vector<const Var*> globalQueue_;
    std::vector<const Function*> functionQueue_;

    const Module& m_;
    Diagnostics& diag_;
    bool ok_ = true;
    std::unordered_map<const StructDef*, std::string> structNames_;
    std::unordered_set<std::string> helperKeys_;
    std::string helpers_;
    std::vector<const Function*> order_;  // callees before callers
    std::unordered_set<const Function*> seen_;
    std::unordered_set<const Var*> globalSet_;
    std::vector<const Var*> staticLocals_;
};

const Function* Resolve(const Function* f) { return f->definition ? f->definition : f; }

// Records what an expression reads: globals and called functions.
void Writer::Scan(const Expr* e)
{
    if (!e) return;
    if (e->kind == ExprKind::Name && e->var && e->var->storage == Storage::Global) globalQueue_.push_back(e->var);
    if (e->kind == ExprKind::Call && e->function) functionQueue_.push_back(Resolve(e->function));
    for (const Expr* a : e->args) Scan(a);
}

// Everything the pass needs: functions callees first (for GLSL's
// declare-before-use) and the globals they read. Work lists rather than
// recursion, so that long chains of calls or initialisers cannot exhaust
// the stack.
void Writer::Collect()
{
    while (!functionQueue_.empty() || !globalQueue_.empty()) {
        if (!globalQueue_.empty()) {
            const Var* v = globalQueue_.back();
            globalQueue_.pop_back();
            if (globalSet_.insert(v).second) Scan(v->init);
            continue;
        }
        const Function* root = functionQueue_.back();
        functionQueue_.pop_back();
        std::vector<std::pair<const Function*, size_t>> stack;
        auto push = [&](const Function* f) {
            f = Resolve(f);
            if (!seen_.insert(f).second) return;
            if (!f->body) {
                Fail(f->loc, "'" + f->name + "': function is declared but has no body");
                return;
            }
            stack.push_back({f, 0});
        };
        push(root);
        while (!stack.empty()) {
            const Function* f = stack.back().first;
            size_t i = stack.back().second++;
            if (i < f->callees.size()) {
                push(f->callees[i]);
                continue;
            }
            stack.pop_back();
            for (const Var* v : f->globalsUsed) globalQueue_.push_back(v);
            for (const Var* p : f->params) Scan(p->init);
            order_.push_back(f);
        }
    }
}

std::string Writer::Emit(const Expr* e)
{
    switch (e->kind) {
    case ExprKind::IntLit: {
        uint32_t v = static_cast<uint32_t>(e->intValue);
        if (e->type.base == Base::Uint) return std::to_string(v) + "u";
        if (v <= 0x7FFFFFFFu) return std::to_string(v);
        return "int(" + std::to_string(v) + "u)";
    }
    case ExprKind::FloatLit: return FloatLiteral(e->number);
    case ExprKind::BoolLit: return e->intValue ? "true" : "false";
    case ExprKind::Name: return VarName(e->var);
    case ExprKind::Unary: {
        std::string a = Emit(e->args[0]);
        if (e->name == "!" && e->type.shape == Shape::Vector && e->type.cols > 1) return "not(" + a + ")";
        return "(" + e->name + a + ")";
    }
    case ExprKind::Postfix: return "(" + Emit(e->args[0]) + e->name + ")";
    case ExprKind::Binary: return EmitBinary(e);
    case ExprKind::Assign: {
        std::string a = Emit(e->args[0]), b = Emit(e->args[1]);
        if (e->name == "=") return "(" + a + " = " + b + ")";
        std::string op = e->name.substr(0, e->name.size() - 1);
        const Type& lhs = e->type;
        const Type& opType = e->args[1]->type;
        bool special = (op == "*" && lhs.shape == Shape::Matrix) || (opType.base == Base::Int && (op == "/" || op == "%")) ||
                       (op == "%" && opType.base == Base::Float);
        if (!special && opType.base == lhs.base) return "(" + a + " " + e->name + " " + b + ")";
        std::string value = BinaryText(op, Convert(a, lhs, opType), b, opType);
        return "(" + a + " = " + Convert(value, opType, lhs) + ")";
    }
    case ExprKind::Conditional: {
        const Type& t = e->type;
        std::string f = ComponentWise("kd_select", t, {e->args[0]->type, t, t}, "a ? b : c");
        return f + "(" + Args(e) + ")";
    }
    case ExprKind::Call: {
        if (e->intrinsic >= 0) return EmitIntrinsic(e);
        return FunctionName(Resolve(e->function)) + "(" + Args(e) + ")";
    }
    case ExprKind::Construct: {
        if (e->type.IsArray())
            return TypeText(e->type) + "[" + std::to_string(e->type.arraySize) + "](" + Args(e) + ")";
        if (e->type.base == Base::Struct) return StructName(e->type.structDef) + "(" + Args(e) + ")";
        if (e->type.IsScalarLike()) return ScalarName(e->type.base) + "(" + Args(e) + ")";
        // Arguments in their own base: GLSL constructors convert each.
        return TypeText(e->type) + "(" + Args(e) + ")";
    }
    case ExprKind::Cast:
    case ExprKind::Convert: return Convert(Emit(e->args[0]), e->args[0]->type, e->type);
    case ExprKind::Member: return EmitMember(e);
    case ExprKind::Index: return Emit(e->args[0]) + "[" + Emit(e->args[1]) + "]";
    case ExprKind::Comma: return "(" + Emit(e->args[0]) + ", " + Emit(e->args[1]) + ")";
    default:
        Fail(e->loc, "this expression cannot be translated");
        return "0";
    }
}

std::string Writer::EmitBinary(const Expr* e)
{
    return BinaryText(e->name, Emit(e->args[0]), Emit(e->args[1]), e->args[0]->type);
}

// `a op b` with HLSL's meaning, both operands of type `t`.
std::string Writer::BinaryText(const std::string& op, const std::string& a, const std::string& b, const Type& t)
{
    bool vector = t.shape == Shape::Vector && t.cols > 1;
    if (op == "&&" || op == "||")
        return ComponentWise(op == "&&" ? "kd_and" : "kd_or", t, {t, t}, op == "&&" ? "a && b" : "a || b") + "(" + a + ", " + b + ")";
    if (vector) {
        static const std::map<std::string, std::string> cmp = {{"<", "lessThan"}, {">", "greaterThan"},
                                                                {"<=", "lessThanEqual"}, {">=", "greaterThanEqual"},
                                                                {"==", "equal"}, {"!=", "notEqual"}};
        auto it = cmp.find(op);
        if (it != cmp.end()) return it->second + "(" + a + ", " + b + ")";
    }
    if (op == "*" && t.shape == Shape::Matrix) return "matrixCompMult(" + a + ", " + b + ")";
    if (t.base == Base::Int && (op == "/" || op == "%")) {
        // GLSL leaves negative operands open; HLSL truncates toward zero.
        Helper("kd_idiv", "int kd_idiv(int a, int b) { if (b == 0) return -1; int q = abs(a) / abs(b); return (a < 0) != (b < 0) ? -q : q; }\n");
        if (op == "/") return ComponentWise("kd_div", t, {t, t}, "kd_idiv(a, b)") + "(" + a + ", " + b + ")";
        return ComponentWise("kd_mod", t, {t, t}, "a - b * kd_idiv(a, b)") + "(" + a + ", " + b + ")";
    }
    if (op == "%" && t.base == Base::Float)
        return ComponentWise("kd_fmod", t, {t, t}, "a - b * trunc(a / b)") + "(" + a + ", " + b + ")";
    return "(" + a + " " + op + " " + b + ")";
}

std::string Writer::EmitMember(const Expr* e)
{
    const Expr* src = e->args[0];
    std::string x = Emit(src);
    const Type& st = src->type;
    if (st.base == Base::Struct) return x + "." + FieldName(e->name);
    size_t n = e->swizzle.size();
    if (st.shape == Shape::Matrix) {
        std::vector<std::string> parts;
        for (int k : e->swizzle) parts.push_back(x + "[" + std::to_string(k / 4) + "][" + std::to_string(k % 4) + "]");
        if (n == 1) return parts[0];
        std::string s = TypeText(e->type) + "(";
        for (size_t i = 0; i < n; ++i) s += (i ? ", " : "") + parts[i];
        return s + ")";
    }
    if (st.Count() == 1) {  // scalar or one-component vector: GLSL has no swizzle on it
        if (n == 1) return x;
        return TypeText(e->type) + "(" + x + ")";
    }
    std::string s = x + ".";
    for (int k : e->swizzle) s += "xyzw"[k];
    return s;
}

std::string Writer::EmitIntrinsic(const Expr* e)
{
    using I = Intrinsic;
    I in = static_cast<I>(e->intrinsic);
    const Type& t = e->type;
    auto call = [&](const char* name) { return std::string(name) + "(" + Args(e) + ")"; };
    auto a = [&](size_t i) { return Emit(e->args[i]); };
    switch (in) {
    case I::Frac: return call("fract");
    case I::Log10: return "(log2(" + a(0) + ") * 0.30102999566)";
    case I::Rcp: return "(1.0 / " + a(0) + ")";
    case I::Round: return call("roundEven");
    case I::Rsqrt: return call("inversesqrt");
    case I::Saturate: return "clamp(" + a(0) + ", 0.0, 1.0)";
    case I::Ddx: return call("dFdx");
    case I::Ddy: return call("dFdy");
    case I::Sign:
        if (e->args[0]->type.base == Base::Int) return call("sign");
        return Convert("sign(" + a(0) + ")", e->args[0]->type, t);
    case I::Fmod: return ComponentWise("kd_fmod", t, {t, t}, "a - b * trunc(a / b)") + "(" + Args(e) + ")";
    case I::Atan2: return call("atan");
    case I::Lerp: return call("mix");
    case I::All:
    case I::Any: {
        const Type& at = e->args[0]->type;
        if (at.Count() == 1) return "bool(" + a(0) + ")";
        Type bt = at.WithBase(Base::Bool);
        return std::string(in == I::All ? "all" : "any") + "(" + Convert(a(0), at, bt) + ")";
    }
    case I::Mul:
        if (e->field == 0) return "(" + a(0) + " * " + a(1) + ")";
        if (e->field == 1) return "dot(" + a(0) + ", " + a(1) + ")";
        return "(" + a(1) + " * " + a(0) + ")";
    case I::Clip: {
        const Type& at = e->args[0]->type;
        std::string key = "kd_clip:" + TypeText(at);
        std::string test = at.Count() == 1 ? "x < 0.0" : "any(lessThan(x, " + TypeText(at) + "(0.0)))";
        Helper(key, "void kd_clip(" + TypeText(at) + " x) { if (" + test + ") discard; }\n");
        return "kd_clip(" + a(0) + ")";
    }
    case I::Mad: return "(" + a(0) + " * " + a(1) + " + " + a(2) + ")";
    case I::Ldexp: return "(" + a(0) + " * exp2(" + a(1) + "))";
    case I::IsFinite: return ComponentWise("kd_isfinite", t, {e->args[0]->type}, "!isinf(a) && !isnan(a)") + "(" + a(0) + ")";
    case I::AsFloat: {
        Base from = e->args[0]->type.base;
        return from == Base::Float ? a(0) : (from == Base::Int ? "intBitsToFloat(" : "uintBitsToFloat(") + a(0) + ")";
    }
    case I::AsInt:
    case I::AsUint: {
        Base from = e->args[0]->type.base;
        if (from == Base::Float) return (in == I::AsInt ? "floatBitsToInt(" : "floatBitsToUint(") + a(0) + ")";
        return Convert(a(0), e->args[0]->type, t);
    }
    case I::Sincos: {
        const Type& xt = e->args[0]->type;
        Helper("kd_sincos:" + TypeText(xt), "void kd_sincos(" + TypeText(xt) + " x, out " + TypeText(xt) + " s, out " +
                                                 TypeText(xt) + " c) { s = sin(x); c = cos(x); }\n");
        return "kd_sincos(" + Args(e) + ")";
    }
    case I::Tex2D: return "texture(" + a(0) + ", " + a(1) + ")";
    case I::Tex2DLod: {
        std::string c = a(1);
        return "textureLod(" + a(0) + ", (" + c + ").xy, (" + c + ").w)";
    }
    case I::Tex2DProj: return "textureProj(" + a(0) + ", " + a(1) + ")";
    case I::Tex2DBias: {
        std::string c = a(1);
        return "texture(" + a(0) + ", (" + c + ").xy, (" + c + ").w)";
    }
    case I::Tex2DGrad: return "textureGrad(" + Args(e) + ")";
    default: return call(IntrinsicName(e->intrinsic));
    }
}

void Writer::EmitStmt(const Stmt* s, int indent, std::string& out)
{
    std::string pad(static_cast<size_t>(indent), ' ');
    switch (s->kind) {
    case StmtKind::Empty: break;
    case StmtKind::Block:
        out += pad + "{\n";
        for (const Stmt* b : s->body) EmitStmt(b, indent + 4, out);
        out += pad + "}\n";
        break;
    case StmtKind::Decl:
        for (const Var* v : s->decls) EmitLocal(v, indent, out);
        break;
    case StmtKind::Expr: out += pad + Emit(s->expr) + ";\n"; break;
    case StmtKind::If:
        out += pad + "if (" + Emit(s->expr) + ")\n";
        EmitStmt(s->then, indent + (s->then->kind == StmtKind::Block ? 0 : 4), out);
        if (s->then->kind == StmtKind::Empty) out += pad + "    ;\n";
        if (s->otherwise) {
            out += pad + "else\n";
            EmitStmt(s->otherwise, indent + (s->otherwise->kind == StmtKind::Block ? 0 : 4), out);
            if (s->otherwise->kind == StmtKind::Empty) out += pad + "    ;\n";
        }
        break;
    case StmtKind::For:
        // HLSL keeps the loop variable visible after the loop: declare it before.
        if (s->init) EmitStmt(s->init, indent, out);
        out += pad + "for (; " + (s->expr ? Emit(s->expr) : std::string()) + "; " +
               (s->step ? Emit(s->step) : std::string()) + ")\n";
        out += pad + "{\n";
        EmitStmt(s->then, indent + 4, out);
        out += pad + "}\n";
        break;
    case StmtKind::While:
        out += pad + "while (" + Emit(s->expr) + ")\n" + pad + "{\n";
        EmitStmt(s->then, indent + 4, out);
        out += pad + "}\n";
        break;
    case StmtKind::Do:
        out += pad + "do\n" + pad + "{\n";
        EmitStmt(s->then, indent + 4, out);
        out += pad + "} while (" + Emit(s->expr) + ");\n";
        break;
    case StmtKind::Break: out += pad + "break;\n"; break;
    case StmtKind::Continue: out += pad + "continue;\n"; break;
    case StmtKind::Discard: out += pad + "discard;\n"; break;
    case StmtKind::Return: out += pad + (s->expr ? "return " + Emit(s->expr) + ";\n" : "return;\n"); break;
    }
}

bool Writer::Run(const Function& entryDecl, const std::vector<Expr*>& uniformArgs, Loc at, PassDesc& out)
{
    const Function* entry = Resolve(&entryDecl);
    functionQueue_.push_back(entry);
    for (const Expr* a : uniformArgs) Scan(a);
    Collect();
    if (!ok_) return false;

    // Function bodies first: they decide which helpers are needed.
    std::string functions;
    for (const Function* f : order_) {
        if (!Supported(f->returnType, f->loc)) continue;
        std::string sig = TypeText(f->returnType) + " " + FunctionName(f) + "(";
        for (size_t i = 0; i < f->params.size(); ++i) {
            const Var* p = f->params[i];
            if (!Supported(p->type, p->loc)) continue;
            sig += i ? ", " : "";
            sig += p->dir == ParamDir::Out ? "out " : p->dir == ParamDir::InOut ? "inout " : "";
            sig += Declaration(p->type, VarName(p));
        }
        functions += sig + ")\n{\n";
        for (const Stmt* b : f->body->body) EmitStmt(b, 4, functions);
        functions += "}\n\n";
    }

    // Globals: uniforms, samplers, statics.
    std::string globals, init;
    int unit = 0;
    for (const TopLevel& item : m_.items) {
        if (item.kind != TopLevel::Kind::Var || !globalSet_.count(item.var)) continue;
        const Var* v = item.var;
        std::string name = VarName(v);
        if (!Supported(v->type, v->loc)) continue;
        if (v->type.base == Base::Sampler) {
            if (v->type.IsArray()) {
                Fail(v->loc, "sampler arrays are not supported");
                continue;
            }
            globals += "uniform sampler2D " + name + ";\n";
            out.samplers.push_back(SamplerBinding{name, v->name, unit++});
            continue;
        }
        if (v->type.base == Base::Texture || v->type.base == Base::String) {
            Fail(v->loc, "'" + v->name + "': textures and strings cannot be used in shader code");
            continue;
        }
        if (v->isStatic) {
            globals += Declaration(v->type, name) + ";\n";
            if (v->init) init += "    " + name + " = " + Emit(v->init) + ";\n";
            else if (v->type.IsArray() && v->type.arraySize > 16) init += ZeroFill(name, v->type, 4).substr(2);
            else init += "    " + name + ZeroFill(name, v->type, 4);
            continue;
        }
        if (v->type.base == Base::Struct) {
            Fail(v->loc, "'" + v->name + "': struct parameters are not supported");
            continue;
        }
        if (v->type.shape == Shape::Matrix) {
            // Uploaded as HLSL lays it out (rows x columns); kept transposed.
            std::string u = "kd_u_" + Encode(v->name);
            Type direct = Type::Matrix(Base::Float, v->type.cols, v->type.rows);
            direct.arraySize = v->type.arraySize;
            globals += "uniform " + Declaration(direct, u) + ";\n" + Declaration(v->type, name) + ";\n";
            if (v->type.IsArray())
                init += "    for (int i = 0; i < " + std::to_string(v->type.arraySize) + "; ++i) " + name +
                        "[i] = transpose(" + u + "[i]);\n";
            else
                init += "    " + name + " = transpose(" + u + ");\n";
            out.uniforms.push_back(UniformBinding{u, v->name, UniformKind::Matrix});
            continue;
        }
        UniformKind kind = v->type.base == Base::Float ? UniformKind::Float
                           : v->type.base == Base::Bool ? UniformKind::Bool
                                                        : UniformKind::Int;
        if (v->type.base == Base::Uint) {
            // Uploaded with glUniform*i, which needs an int uniform.
            Type it = v->type.WithBase(Base::Int);
            std::string u = "kd_u_" + Encode(v->name);
            globals += "uniform " + Declaration(it, u) + ";\n" + Declaration(v->type, name) + ";\n";
            init += "    " + name + " = " + Convert(u, it, v->type) + ";\n";
            if (v->type.IsArray()) Fail(v->loc, "uint array parameters are not supported");
            out.uniforms.push_back(UniformBinding{u, v->name, UniformKind::Int});
            continue;
        }
        globals += "uniform " + Declaration(v->type, name) + ";\n";
        out.uniforms.push_back(UniformBinding{name, v->name, kind});
    }

    for (const Var* v : staticLocals_) {
        std::string name = VarName(v);
        globals += Declaration(v->type, name) + ";\n";
        if (v->init) init += "    " + name + " = " + Emit(v->init) + ";\n";
        else if (v->type.IsArray() && v->type.arraySize > 16) init += ZeroFill(name, v->type, 4).substr(2);
        else init += "    " + name + ZeroFill(name, v->type, 4);
    }

    // Entry: inputs from the vertex stage, outputs to render targets.
    std::string call, post, inputs, outputs, pre;
    std::set<std::string> inDecl, outDecl;
    auto input = [&](const std::string& semantic, const Type& t, Loc where) -> std::string {
        Semantic s = ParseSemantic(semantic);
        std::string src;
        Type from = Type::Vector(Base::Float, 4);
        if (s.name == "TEXCOORD" && s.index < 8) src = "kd_TEXCOORD" + std::to_string(s.index);
        else if (s.name == "COLOR" && s.index < 2) src = "kd_COLOR" + std::to_string(s.index);
        else if (s.name == "VPOS") src = "vec4(gl_FragCoord.xy - vec2(0.5), 0.0, 0.0)";
        else if (s.name == "SV_POSITION") src = "gl_FragCoord";
        else {
            diag_.Error(where, code::InvalidInputSemantic, "invalid ps input semantic '" + semantic + "'");
            ok_ = false;
            return "0";
        }
        if (src.rfind("kd_", 0) == 0 && inDecl.insert(src).second) inputs += "in vec4 " + src + ";\n";
        if (!t.IsNumeric() || t.shape == Shape::Matrix) {
            Fail(where, "input of type '" + TypeName(t) + "' is not supported");
            return "0";
        }
        return Convert(src, from, t);
    };
    auto output = [&](const std::string& semantic, const Type& t, const std::string& value, Loc where) {
        Semantic s = ParseSemantic(semantic);
        if ((s.name == "COLOR" || s.name == "SV_TARGET") && s.index < 4) {
            // Named apart from the kd_COLORn inputs; bound by location.
            std::string dst = "kd_TARGET" + std::to_string(s.index);
            if (outDecl.insert(dst).second)
                outputs += "layout(location = " + std::to_string(s.index) + ") out vec4 " + dst + ";\n";
            if (!t.IsNumeric() || t.shape == Shape::Matrix) {
                Fail(where, "output of type '" + TypeName(t) + "' is not supported");
                return;
            }
            std::string v = Convert(value, t, t.WithBase(Base::Float));
            int n = t.Count();
            if (n == 1) v = "vec4(" + v + ")";
            else if (n == 2) v = "vec4(" + v + ", 0.0, 1.0)";
            else if (n == 3) v = "vec4(" + v + ", 1.0)";
            post += "    " + dst + " = " + v + ";\n";
        } else if (s.name == "DEPTH" || s.name == "SV_DEPTH") {
            post += "    gl_FragDepth = " + Convert(value, t, Type::Scalar(Base::Float)) + ";\n";
        } else {
            diag_.Error(where, code::MissingOutputSemantic, "invalid ps output semantic '" + semantic + "'");
            ok_ = false;
        }
    };

    size_t nextUniform = 0;
    std::vector<std::string> args;
    for (const Var* p : entry->params) {
        std::string pn = VarName(p);
        if (p->isUniform) {
            if (nextUniform < uniformArgs.size()) args.push_back(Emit(uniformArgs[nextUniform++]));
            continue;
        }
        bool isStruct = p->type.base == Base::Struct && !p->type.IsArray();
        if (p->dir == ParamDir::Out || p->dir == ParamDir::InOut) {
            pre += "    " + Declaration(p->type, pn) + ";\n";
            if (p->dir == ParamDir::InOut && !p->semantic.empty()) pre += "    " + pn + " = " + input(p->semantic, p->type, p->loc) + ";\n";
            args.push_back(pn);
            if (isStruct) {
                for (const StructField& f : p->type.structDef->fields) {
                    if (f.semantic.empty()) {
                        diag_.Error(f.loc, code::MissingOutputSemantic, "'" + entry->name + "': output member '" + f.name + "' missing semantics");
                        ok_ = false;
                    } else {
                        output(f.semantic, f.type, pn + "." + FieldName(f.name), f.loc);
                    }
                }
            } else if (p->semantic.empty()) {
                diag_.Error(p->loc, code::MissingOutputSemantic, "'" + entry->name + "': output parameter '" + p->name + "' missing semantics");
                ok_ = false;
            } else {
                output(p->semantic, p->type, pn, p->loc);
            }
            continue;
        }
        if (isStruct) {
            std::string s = StructName(p->type.structDef) + "(";
            bool first = true;
            for (const StructField& f : p->type.structDef->fields) {
                if (!first) s += ", ";
                first = false;
                if (f.semantic.empty()) {
                    diag_.Error(f.loc, code::MissingInputSemantic, "'" + entry->name + "': input member '" + f.name + "' missing semantics");
                    ok_ = false;
                    s += "0";
                } else {
                    s += input(f.semantic, f.type, f.loc);
                }
            }
            args.push_back(s + ")");
            continue;
        }
        if (p->semantic.empty()) {
            diag_.Error(p->loc, code::MissingInputSemantic, "'" + entry->name + "': input parameter '" + p->name + "' missing semantics");
            ok_ = false;
            continue;
        }
        args.push_back(input(p->semantic, p->type, p->loc));
    }
    call = FunctionName(entry) + "(";
    for (size_t i = 0; i < args.size(); ++i) call += (i ? ", " : "") + args[i];
    call += ")";
    if (entry->returnType.base == Base::Void) {
        call = "    " + call + ";\n";
    } else if (entry->returnType.base == Base::Struct && !entry->returnType.IsArray()) {
        call = "    " + TypeText(entry->returnType) + " kd_result = " + call + ";\n";
        for (const StructField& f : entry->returnType.structDef->fields) {
            if (f.semantic.empty()) {
                diag_.Error(f.loc, code::MissingOutputSemantic, "'" + entry->name + "': output member '" + f.name + "' missing semantics");
                ok_ = false;
            } else {
                output(f.semantic, f.type, "kd_result." + FieldName(f.name), f.loc);
            }
        }
    } else if (entry->semantic.empty()) {
        diag_.Error(entry->loc, code::MissingOutputSemantic, "'" + entry->name + "': function return value missing semantics");
        ok_ = false;
    } else {
        std::string r = "kd_result";
        std::string decl = "    " + Declaration(entry->returnType, r) + " = " + call + ";\n";
        call = decl;
        std::string savedPost = post;
        post.clear();
        output(entry->semantic, entry->returnType, r, entry->loc);
        post = savedPost + post;
    }
    (void)at;
    if (!ok_) return false;

    std::string structs;
    for (const TopLevel& item : m_.items) {
        if (item.kind != TopLevel::Kind::Struct) continue;
        const StructDef* s = item.structDef;
        bool ok = true;
        for (const StructField& f : s->fields)
            if (f.type.IsError() || (f.type.shape == Shape::Matrix && (f.type.rows == 1 || f.type.cols == 1))) ok = false;
        if (!ok) continue;
        structs += "struct " + StructName(s) + "\n{\n";
        for (const StructField& f : s->fields) structs += "    " + Declaration(f.type, FieldName(f.name)) + ";\n";
        structs += "};\n";
    }

    std::string glsl = "#version 330 core\n";
    glsl += inputs + outputs + structs + globals + helpers_ + "\n" + functions;
    glsl += "void main()\n{\n" + init + pre + call + post + "}\n";
    out.fragmentGlsl = std::move(glsl);
    return true;
}

}  // namespace

bool WriteGlsl(const Module& module, const Function& entry, const std::vector<Expr*>& uniformArgs, Loc at,
               Diagnostics& diag, PassDesc& out)
{
    return Writer(module, diag).Run(entry, uniformArgs, at, out);
}

}  // namespace hlsl
