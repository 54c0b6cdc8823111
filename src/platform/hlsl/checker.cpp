#include "checker.h"

#include <algorithm>

#include "intrinsics.h"
#include "states.h"

namespace hlsl {
namespace {

int Rank(Base b)
{
    switch (b) {
    case Base::Bool: return 0;
    case Base::Int: return 1;
    case Base::Uint: return 2;
    case Base::Float: return 3;
    default: return -1;
    }
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// Where an expression starts in the source (the operator is where it is
// recorded for binary forms).
Loc StartLoc(const Expr* e)
{
    while (!e->args.empty() && (e->kind == ExprKind::Binary || e->kind == ExprKind::Assign ||
                                e->kind == ExprKind::Member || e->kind == ExprKind::Index ||
                                e->kind == ExprKind::Postfix || e->kind == ExprKind::Conditional ||
                                e->kind == ExprKind::Comma))
        e = e->args[0];
    return e->loc;
}

bool IsComparison(const std::string& op)
{
    return op == "<" || op == ">" || op == "<=" || op == ">=" || op == "==" || op == "!=";
}
bool IsBitwise(const std::string& op)
{
    return op == "&" || op == "|" || op == "^" || op == "<<" || op == ">>";
}

// `.xyzw`/`.rgba` on a vector or scalar of `count` components.
bool VectorSwizzle(const std::string& s, int count, std::vector<int>& out)
{
    if (s.empty() || s.size() > 4) return false;
    static const std::string xyzw = "xyzw", rgba = "rgba";
    const std::string* set = xyzw.find(s[0]) != std::string::npos ? &xyzw : &rgba;
    for (char c : s) {
        size_t i = set->find(c);
        if (i == std::string::npos || static_cast<int>(i) >= count) return false;
        out.push_back(static_cast<int>(i));
    }
    return true;
}

// `._m00_m01` (zero-based) or `._11_12` (one-based) on a rows x cols matrix.
bool MatrixSwizzle(const std::string& s, int rows, int cols, std::vector<int>& out)
{
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] != '_') return false;
        ++i;
        int base = 1;
        if (i < s.size() && s[i] == 'm') {
            base = 0;
            ++i;
        }
        if (i + 2 > s.size()) return false;
        int r = s[i] - '0' - base, c = s[i + 1] - '0' - base;
        if (r < 0 || r >= rows || c < 0 || c >= cols) return false;
        out.push_back(r * 4 + c);
        i += 2;
    }
    return !out.empty() && out.size() <= 4;
}

bool HasRepeats(const std::vector<int>& v)
{
    for (size_t i = 0; i < v.size(); ++i)
        for (size_t j = i + 1; j < v.size(); ++j)
            if (v[i] == v[j]) return true;
    return false;
}

bool ContainsLoop(const Stmt* s)
{
    if (!s) return false;
    if (s->kind == StmtKind::For || s->kind == StmtKind::While || s->kind == StmtKind::Do) return true;
    for (const Stmt* b : s->body)
        if (ContainsLoop(b)) return true;
    return ContainsLoop(s->then) || ContainsLoop(s->otherwise);
}

bool AlwaysReturns(const Stmt* s)
{
    if (!s) return false;
    switch (s->kind) {
    case StmtKind::Return:
    case StmtKind::Discard: return true;
    case StmtKind::Block:
        for (const Stmt* b : s->body)
            if (AlwaysReturns(b)) return true;
        return false;
    case StmtKind::If: return AlwaysReturns(s->then) && AlwaysReturns(s->otherwise);
    default: return false;
    }
}

}  // namespace

// ---- conversions ------------------------------------------------------

Checker::Conv Checker::Classify(const Type& from, const Type& to) const
{
    if (from.IsError() || to.IsError()) return Conv::Exact;
    if (from.IsArray() || to.IsArray())
        return SameType(from, to) ? Conv::Exact : Conv::Impossible;
    if (from.base == Base::Struct || to.base == Base::Struct)
        return from.structDef == to.structDef && from.base == to.base ? Conv::Exact : Conv::Impossible;
    if (!from.IsNumeric() || !to.IsNumeric())
        return from.base == to.base ? Conv::Exact : Conv::Impossible;
    bool sameBase = from.base == to.base;
    if (from.IsScalarLike()) {
        if (to.IsScalarLike()) return sameBase && from.shape == to.shape ? Conv::Exact : Conv::Promote;
        return Conv::Splat;
    }
    // A matrix and a vector of as many components convert row by row.
    if (from.shape != to.shape && !to.IsScalarLike() && from.Count() == to.Count()) return Conv::Promote;
    if (from.shape == Shape::Vector) {
        if (to.IsScalarLike()) return Conv::Truncate;
        if (to.shape != Shape::Vector) return Conv::Impossible;
        if (to.cols == from.cols) return sameBase ? Conv::Exact : Conv::Promote;
        return to.cols < from.cols ? Conv::Truncate : Conv::Impossible;
    }
    // matrix
    if (to.IsScalarLike()) return Conv::Truncate;
    if (to.shape != Shape::Matrix) return Conv::Impossible;
    if (to.rows == from.rows && to.cols == from.cols) return sameBase ? Conv::Exact : Conv::Promote;
    return to.rows <= from.rows && to.cols <= from.cols ? Conv::Truncate : Conv::Impossible;
}

Expr* Checker::Wrap(Expr* e, const Type& to)
{
    Expr* c = m_.NewExpr(ExprKind::Convert, e->loc);
    c->args = {e};
    c->type = to;
    return c;
}

Expr* Checker::Coerce(Expr* e, const Type& to, bool explicitCast)
{
    if (e->type.IsError() || to.IsError()) return e;
    Conv c = Classify(e->type, to);
    if (c == Conv::Impossible) {
        Error(e->loc, code::CannotConvert,
              "cannot " + std::string(explicitCast ? "convert" : "implicitly convert") + " from '" +
                  TypeName(e->type) + "' to '" + TypeName(to) + "'");
        return Fail(e);
    }
    if (c == Conv::Truncate && !explicitCast)
        diag_.Warning(e->loc, code::Truncation, "implicit truncation of vector type");
    if (c == Conv::Exact) return e;
    return Wrap(e, to);
}

Type Checker::Common(const Type& a, const Type& b, Loc at, const char* op)
{
    if (a.IsError() || b.IsError()) return Type{};
    if (!a.IsNumeric() || !b.IsNumeric()) {
        Error(at, code::CannotConvert,
              Quote(op) + ": no operator for '" + TypeName(a) + "' and '" + TypeName(b) + "'");
        return Type{};
    }
    Base base = Rank(a.base) >= Rank(b.base) ? a.base : b.base;
    Type t;
    if (a.IsScalarLike() && (b.IsScalarLike() ? a.shape != Shape::Scalar : true))
        t = b;
    else if (b.IsScalarLike())
        t = a;
    else if (a.shape == Shape::Vector && b.shape == Shape::Vector)
        t = Type::Vector(base, std::min(a.cols, b.cols));
    else if (a.shape == Shape::Matrix && b.shape == Shape::Matrix)
        t = Type::Matrix(base, std::min(a.rows, b.rows), std::min(a.cols, b.cols));
    else {
        Error(at, code::CannotConvert,
              Quote(op) + ": cannot combine '" + TypeName(a) + "' and '" + TypeName(b) + "'");
        return Type{};
    }
    t.base = base;
    return t;
}

// ---- expressions ------------------------------------------------------

Var* Checker::FindGlobal(const std::string& name) const
{
    if (scopes_.empty()) return nullptr;
    auto it = scopes_[0].find(name);
    return it == scopes_[0].end() ? nullptr : it->second;
}

const std::vector<Function*>* Checker::FindFunctions(const std::string& name) const
{
    auto it = functions_.find(name);
    return it == functions_.end() ? nullptr : &it->second;
}

Expr* Checker::CheckGlobalExpr(Expr* e, const Type& to)
{
    Function* saved = current_;
    current_ = nullptr;
    while (scopes_.size() > 1) scopes_.pop_back();
    e = CheckExpr(e);
    e = Coerce(e, to);
    current_ = saved;
    return e;
}

Expr* Checker::CheckExpr(Expr* e)
{
    switch (e->kind) {
    case ExprKind::Error: return Fail(e);
    case ExprKind::IntLit:
    case ExprKind::FloatLit:
    case ExprKind::BoolLit:
    case ExprKind::StringLit: return e;
    case ExprKind::Name: return CheckName(e);
    case ExprKind::Unary:
    case ExprKind::Postfix: return CheckUnary(e);
    case ExprKind::Binary: return CheckBinary(e);
    case ExprKind::Assign: return CheckAssign(e);
    case ExprKind::Conditional: return CheckConditional(e);
    case ExprKind::Call: return CheckCall(e);
    case ExprKind::Construct: return CheckConstruct(e);
    case ExprKind::Cast: return CheckCast(e);
    case ExprKind::Member: return CheckMember(e);
    case ExprKind::Index: return CheckIndex(e);
    case ExprKind::Convert: return e;
    case ExprKind::Comma:
        e->args[0] = CheckExpr(e->args[0]);
        e->args[1] = CheckExpr(e->args[1]);
        e->type = e->args[1]->type;
        return e;
    case ExprKind::InitList:
        Error(e->loc, code::Syntax, "syntax error: unexpected initializer list");
        return Fail(e);
    }
    return Fail(e);
}

Expr* Checker::CheckName(Expr* e)
{
    Var* v = nullptr;
    for (size_t i = scopes_.size(); i-- > 0 && !v;) {
        auto it = scopes_[i].find(e->name);
        if (it != scopes_[i].end()) v = it->second;
    }
    if (!v) {
        Error(e->loc, code::Undeclared, "undeclared identifier '" + e->name + "'");
        return Fail(e);
    }
    e->var = v;
    e->type = v->type;
    v->used = true;
    if (v->storage == Storage::Global) {
        e->lvalue = v->isStatic && !v->isConst;
        if (current_ && std::find(current_->globalsUsed.begin(), current_->globalsUsed.end(), v) ==
                            current_->globalsUsed.end())
            current_->globalsUsed.push_back(v);
    } else {
        e->lvalue = !v->isConst;
    }
    return e;
}

Expr* Checker::CheckUnary(Expr* e)
{
    Expr*& a = e->args[0];
    a = CheckExpr(a);
    if (a->type.IsError()) return Fail(e);
    const std::string& op = e->name;
    if (!a->type.IsNumeric()) {
        Error(e->loc, code::CannotConvert, Quote(op) + ": no operator for '" + TypeName(a->type) + "'");
        return Fail(e);
    }
    if (op == "!") {
        a = Coerce(a, a->type.WithBase(Base::Bool));
        e->type = a->type;
    } else if (op == "~") {
        if (a->type.base == Base::Float) {
            Error(e->loc, code::CannotConvert, "'~': int or unsigned int type required");
            return Fail(e);
        }
        if (a->type.base == Base::Bool) a = Coerce(a, a->type.WithBase(Base::Int));
        e->type = a->type;
    } else if (op == "++" || op == "--") {
        if (!a->lvalue) {
            Error(StartLoc(a), code::ConstLValue, Quote(op) + ": l-value specifies const object");
            return Fail(e);
        }
        if (a->type.base == Base::Bool) {
            Error(e->loc, code::CannotConvert, Quote(op) + ": no operator for 'bool'");
            return Fail(e);
        }
        e->type = a->type;
    } else {
        if (a->type.base == Base::Bool) a = Coerce(a, a->type.WithBase(Base::Int));
        e->type = a->type;
    }
    if (e->type.shape == Shape::Matrix && e->type.base != Base::Float) {
        Error(e->loc, code::NotSupported, "non-float matrices are not supported");
        return Fail(e);
    }
    return e;
}

Expr* Checker::CheckBinary(Expr* e)
{
    Expr*& a = e->args[0];
    Expr*& b = e->args[1];
    a = CheckExpr(a);
    b = CheckExpr(b);
    const std::string& op = e->name;
    Type t = Common(a->type, b->type, e->loc, op.c_str());
    if (t.IsError()) return Fail(e);
    if (op == "&&" || op == "||") {
        t.base = Base::Bool;
    } else if (IsComparison(op)) {
        // operands in their common type, result bool of the same shape
    } else if (IsBitwise(op)) {
        if (t.base == Base::Float) {
            Error(e->loc, code::CannotConvert, Quote(op) + ": int or unsigned int type required");
            return Fail(e);
        }
        if (t.base == Base::Bool) t.base = Base::Int;
    } else if (t.base == Base::Bool) {
        t.base = Base::Int;
    }
    if (t.shape == Shape::Matrix && (t.base != Base::Float || IsComparison(op) || op == "%")) {
        Error(e->loc, code::NotSupported, Quote(op) + " on '" + TypeName(t) + "' matrices is not supported");
        return Fail(e);
    }
    a = Coerce(a, t);
    b = Coerce(b, t);
    e->type = IsComparison(op) ? t.WithBase(Base::Bool) : t;
    return e;
}

Expr* Checker::CheckAssign(Expr* e)
{
    Expr*& a = e->args[0];
    Expr*& b = e->args[1];
    a = CheckExpr(a);
    b = CheckExpr(b);
    if (a->type.IsError() || b->type.IsError()) return Fail(e);
    if (!a->lvalue) {
        Error(StartLoc(a), code::ConstLValue, Quote(e->name) + ": l-value specifies const object");
        return Fail(e);
    }
    if (e->name != "=") {
        std::string op = e->name.substr(0, e->name.size() - 1);
        Type t = Common(a->type, b->type, e->loc, e->name.c_str());
        if (t.IsError()) return Fail(e);
        if ((IsBitwise(op) && (t.base == Base::Float)) || a->type.base == Base::Bool) {
            Error(e->loc, code::CannotConvert, Quote(e->name) + ": no operator for '" + TypeName(a->type) + "'");
            return Fail(e);
        }
        if (a->type.shape == Shape::Matrix && (a->type.base != Base::Float || op == "%")) {
            Error(e->loc, code::NotSupported, Quote(e->name) + " on matrices is not supported");
            return Fail(e);
        }
        // a op= b is a = (type of a)(a op b): the operation runs in the
        // common base (int += float adds in float), in the shape of a.
        Base opBase = IsBitwise(op) && t.base == Base::Bool ? Base::Int : t.base;
        b = Coerce(b, a->type.WithBase(opBase));
        e->type = a->type;
        return e;
    }
    b = Coerce(b, a->type);
    e->type = a->type;
    return e;
}

Expr* Checker::CheckConditional(Expr* e)
{
    for (Expr*& a : e->args) a = CheckExpr(a);
    Expr*& c = e->args[0];
    Expr*& x = e->args[1];
    Expr*& y = e->args[2];
    if (c->type.IsError() || x->type.IsError() || y->type.IsError()) return Fail(e);
    if (!c->type.IsNumeric()) {
        Error(c->loc, code::CannotConvert, "cannot convert from '" + TypeName(c->type) + "' to 'bool'");
        return Fail(e);
    }
    if (!x->type.IsNumeric() || !y->type.IsNumeric()) {
        if (!SameType(x->type, y->type) || !c->type.IsScalarLike()) {
            Error(e->loc, code::CannotConvert,
                  "'?:': cannot choose between '" + TypeName(x->type) + "' and '" + TypeName(y->type) + "'");
            return Fail(e);
        }
        Error(e->loc, code::NotSupported, "'?:' on '" + TypeName(x->type) + "' is not supported");
        return Fail(e);
    }
    Type t = Common(x->type, y->type, e->loc, "?:");
    if (t.IsError()) return Fail(e);
    Type shape = Common(c->type.WithBase(t.base), t, e->loc, "?:");
    if (shape.IsError()) return Fail(e);
    if (shape.shape == Shape::Matrix) {
        Error(e->loc, code::NotSupported, "'?:' on matrices is not supported");
        return Fail(e);
    }
    c = Coerce(c, shape.WithBase(Base::Bool));
    x = Coerce(x, shape);
    y = Coerce(y, shape);
    e->type = shape;
    return e;
}

Expr* Checker::CheckCall(Expr* e)
{
    for (Expr*& a : e->args) a = CheckExpr(a);
    for (Expr* a : e->args)
        if (a->type.IsError()) return Fail(e);
    auto it = functions_.find(e->name);
    if (it == functions_.end()) {
        if (FindIntrinsic(e->name) >= 0) return CheckIntrinsic(e);
        Error(e->loc, code::Undeclared, "undeclared identifier '" + e->name + "'");
        return Fail(e);
    }
    Function* best = nullptr;
    int bestScore = 1 << 30;
    bool ambiguous = false;
    for (Function* f : it->second) {
        size_t required = 0;
        while (required < f->params.size() && !f->params[required]->init) ++required;
        if (e->args.size() < required || e->args.size() > f->params.size()) continue;
        int score = 0;
        bool ok = true;
        for (size_t i = 0; i < e->args.size() && ok; ++i) {
            Conv c = Classify(e->args[i]->type, f->params[i]->type);
            if (c == Conv::Impossible) ok = false;
            if (f->params[i]->dir != ParamDir::In && c != Conv::Exact && c != Conv::Promote) ok = false;
            score += static_cast<int>(c);
        }
        if (!ok) continue;
        if (score < bestScore) {
            best = f;
            bestScore = score;
            ambiguous = false;
        } else if (score == bestScore) {
            ambiguous = true;
        }
    }
    if (!best) {
        Error(e->loc, code::NoMatchingFunction,
              Quote(e->name) + ": no matching " + std::to_string(e->args.size()) + " parameter function");
        return Fail(e);
    }
    if (ambiguous) {
        Error(e->loc, code::AmbiguousCall, Quote(e->name) + ": ambiguous function call");
        return Fail(e);
    }
    for (size_t i = 0; i < best->params.size(); ++i) {
        Var* p = best->params[i];
        if (i >= e->args.size()) {
            e->args.push_back(p->init);
            continue;
        }
        if (p->dir != ParamDir::In) {
            if (!e->args[i]->lvalue) {
                Error(StartLoc(e->args[i]), code::ConstLValue,
                      "'" + p->name + "': output parameter needs a writable argument");
                return Fail(e);
            }
            if (!SameType(e->args[i]->type, p->type) &&
                !(e->args[i]->type.IsScalarLike() && p->type.IsScalarLike() && e->args[i]->type.base == p->type.base)) {
                Error(e->args[i]->loc, code::CannotConvert,
                      "cannot convert output parameter from '" + TypeName(p->type) + "' to '" +
                          TypeName(e->args[i]->type) + "'");
                return Fail(e);
            }
            continue;
        }
        e->args[i] = Coerce(e->args[i], p->type);
    }
    e->function = best;
    e->type = best->returnType;
    if (current_ && std::find(current_->callees.begin(), current_->callees.end(), best) == current_->callees.end())
        current_->callees.push_back(best);
    return e;
}

Expr* Checker::CheckIntrinsic(Expr* e)
{
    using I = Intrinsic;
    int id = FindIntrinsic(e->name);
    e->intrinsic = id;
    I in = static_cast<I>(id);
    std::vector<Expr*>& a = e->args;
    size_t n = a.size();
    auto noMatch = [&]() {
        Error(e->loc, code::NoMatchingFunction,
              Quote(e->name) + ": no matching " + std::to_string(n) + " parameter intrinsic function");
        return Fail(e);
    };
    auto numeric = [&]() {
        for (Expr* x : a)
            if (!x->type.IsNumeric()) return false;
        return true;
    };
    // Element-wise: common type of all arguments, optionally forced to float.
    auto elementwise = [&](size_t count, bool toFloat) -> Expr* {
        if (n != count || !numeric()) return noMatch();
        Type t = a[0]->type;
        if (t.IsScalarLike()) t = Type::Scalar(t.base);
        for (size_t i = 1; i < n; ++i) {
            t = Common(t, a[i]->type, e->loc, e->name.c_str());
            if (t.IsError()) return Fail(e);
        }
        if (toFloat || t.base == Base::Bool) t.base = toFloat ? Base::Float : Base::Int;
        if (t.shape == Shape::Matrix) {
            Error(e->loc, code::NotSupported, Quote(e->name) + " on matrices is not supported");
            return Fail(e);
        }
        for (Expr*& x : a) x = Coerce(x, t);
        e->type = t;
        return e;
    };
    auto floatVector = [&](Expr*& x) {
        Type t = x->type;
        if (t.shape == Shape::Matrix) return false;
        x = Coerce(x, t.WithBase(Base::Float));
        return true;
    };

    if (id <= static_cast<int>(I::Normalize)) return elementwise(1, true);
    switch (in) {
    case I::Abs: return elementwise(1, false);
    case I::Sign:
        if (!elementwise(1, false)->type.IsError()) e->type.base = Base::Int;
        return e;
    case I::Fmod:
    case I::Pow:
    case I::Step:
    case I::Atan2: return elementwise(2, true);
    case I::Lerp:
    case I::Smoothstep: return elementwise(3, true);
    case I::Max:
    case I::Min: return elementwise(2, false);
    case I::Clamp: return elementwise(3, false);
    case I::Dot:
    case I::Distance:
    case I::Reflect: {
        if (elementwise(2, in != I::Dot)->type.IsError()) return e;
        if (in != I::Reflect) e->type = Type::Scalar(e->type.base);
        return e;
    }
    case I::Length:
        if (n != 1 || !numeric() || !floatVector(a[0])) return noMatch();
        e->type = Type::Scalar(Base::Float);
        return e;
    case I::All:
    case I::Any:
        if (n != 1 || !numeric() || a[0]->type.shape == Shape::Matrix) return noMatch();
        e->type = Type::Scalar(Base::Bool);
        return e;
    case I::Cross:
        if (n != 2 || !numeric()) return noMatch();
        a[0] = Coerce(a[0], Type::Vector(Base::Float, 3));
        a[1] = Coerce(a[1], Type::Vector(Base::Float, 3));
        e->type = Type::Vector(Base::Float, 3);
        return e;
    case I::Clip:
        if (n != 1 || !numeric() || !floatVector(a[0])) return noMatch();
        e->type = Type::Scalar(Base::Void);
        return e;
    case I::Transpose:
        if (n != 1 || !numeric() || a[0]->type.shape != Shape::Matrix) return noMatch();
        a[0] = Coerce(a[0], a[0]->type.WithBase(Base::Float));
        e->type = Type::Matrix(Base::Float, a[0]->type.cols, a[0]->type.rows);
        return e;
    case I::Mul: {
        if (n != 2 || !numeric()) return noMatch();
        Type x = a[0]->type, y = a[1]->type;
        if (x.IsScalarLike() || y.IsScalarLike()) {
            e->field = 0;  // scalar times anything
            return elementwise(2, true);
        }
        if (x.shape == Shape::Vector && y.shape == Shape::Vector) {
            e->field = 1;  // dot product
            if (elementwise(2, true)->type.IsError()) return e;
            e->type = Type::Scalar(Base::Float);
            return e;
        }
        if (x.shape == Shape::Vector) {  // row vector times matrix
            e->field = 2;
            a[0] = Coerce(a[0], Type::Vector(Base::Float, y.rows));
            a[1] = Coerce(a[1], y.WithBase(Base::Float));
            e->type = Type::Vector(Base::Float, y.cols);
        } else if (y.shape == Shape::Vector) {  // matrix times column vector
            e->field = 3;
            a[0] = Coerce(a[0], x.WithBase(Base::Float));
            a[1] = Coerce(a[1], Type::Vector(Base::Float, x.cols));
            e->type = Type::Vector(Base::Float, x.rows);
        } else {
            e->field = 4;
            int k = std::min(x.cols, y.rows);
            a[0] = Coerce(a[0], Type::Matrix(Base::Float, x.rows, k));
            a[1] = Coerce(a[1], Type::Matrix(Base::Float, k, y.cols));
            e->type = Type::Matrix(Base::Float, x.rows, y.cols);
        }
        for (Expr* x2 : a)
            if (x2->type.IsError()) return Fail(e);
        return e;
    }
    case I::Mad: return elementwise(3, false);
    case I::Ldexp: return elementwise(2, true);
    case I::Faceforward: return elementwise(3, true);
    case I::IsNan:
    case I::IsInf:
    case I::IsFinite:
        if (!elementwise(1, true)->type.IsError()) e->type.base = Base::Bool;
        return e;
    case I::Determinant:
        if (n != 1 || !numeric() || a[0]->type.shape != Shape::Matrix || a[0]->type.rows != a[0]->type.cols ||
            a[0]->type.rows < 2)
            return noMatch();
        a[0] = Coerce(a[0], a[0]->type.WithBase(Base::Float));
        e->type = Type::Scalar(Base::Float);
        return e;
    case I::AsFloat:
    case I::AsInt:
    case I::AsUint: {
        if (n != 1 || !numeric() || a[0]->type.shape == Shape::Matrix || a[0]->type.base == Base::Bool) return noMatch();
        Type t = a[0]->type.IsScalarLike() ? Type::Scalar(a[0]->type.base) : a[0]->type;
        a[0] = Coerce(a[0], t);
        e->type = t.WithBase(in == I::AsFloat ? Base::Float : in == I::AsInt ? Base::Int : Base::Uint);
        return e;
    }
    case I::Refract: {
        if (n != 3 || !numeric()) return noMatch();
        Type t = Common(a[0]->type, a[1]->type, e->loc, "refract");
        if (t.IsError() || t.shape == Shape::Matrix) return noMatch();
        t.base = Base::Float;
        a[0] = Coerce(a[0], t);
        a[1] = Coerce(a[1], t);
        a[2] = Coerce(a[2], Type::Scalar(Base::Float));
        e->type = t;
        return e;
    }
    case I::Sincos:
    case I::Modf: {
        size_t outs = in == I::Sincos ? 2 : 1;
        if (n != outs + 1 || !numeric() || a[0]->type.shape == Shape::Matrix) return noMatch();
        Type t = a[0]->type.IsScalarLike() ? Type::Scalar(Base::Float) : a[0]->type.WithBase(Base::Float);
        a[0] = Coerce(a[0], t);
        for (size_t i = 1; i < n; ++i) {
            if (!a[i]->lvalue) {
                Error(StartLoc(a[i]), code::ConstLValue, Quote(e->name) + ": output argument must be writable");
                return Fail(e);
            }
            if (!(SameType(a[i]->type, t) || (a[i]->type.IsScalarLike() && t.IsScalarLike() && a[i]->type.base == t.base)))
                return noMatch();
        }
        e->type = in == I::Sincos ? Type::Scalar(Base::Void) : t;
        return e;
    }
    case I::Tex2D:
    case I::Tex2DLod:
    case I::Tex2DProj:
    case I::Tex2DBias:
    case I::Tex2DGrad: {
        size_t want = in == I::Tex2DGrad ? 4 : 2;
        if (in == I::Tex2D && n == 4) want = 4;
        if (n != want || a[0]->type.base != Base::Sampler || a[0]->type.IsArray()) return noMatch();
        for (size_t i = 1; i < n; ++i)
            if (!a[i]->type.IsNumeric()) return noMatch();
        int coord = (in == I::Tex2D || in == I::Tex2DGrad) ? 2 : 4;
        a[1] = Coerce(a[1], Type::Vector(Base::Float, coord));
        for (size_t i = 2; i < n; ++i) a[i] = Coerce(a[i], Type::Vector(Base::Float, 2));
        if (n == 4) e->intrinsic = static_cast<int>(I::Tex2DGrad);
        e->type = Type::Vector(Base::Float, 4);
        return e;
    }
    default: break;
    }
    return noMatch();
}

Expr* Checker::CheckConstruct(Expr* e)
{
    Type t = e->type;
    for (Expr*& a : e->args) a = CheckExpr(a);
    for (Expr* a : e->args)
        if (a->type.IsError()) return Fail(e);
    if (!t.IsNumeric()) {
        Error(e->loc, code::ConstructorArity, Quote(TypeName(t)) + " has no constructor");
        return Fail(e);
    }
    if (t.shape == Shape::Matrix && t.base != Base::Float) {
        Error(e->loc, code::NotSupported, "non-float matrices are not supported");
        return Fail(e);
    }
    int count = 0;
    for (Expr* a : e->args) {
        if (!a->type.IsNumeric()) {
            Error(a->loc, code::CannotConvert,
                  "cannot convert from '" + TypeName(a->type) + "' to '" + TypeName(t) + "'");
            return Fail(e);
        }
        count += a->type.Count();
    }
    if (count != t.Count()) {
        Error(e->loc, code::ConstructorArity, "incorrect number of arguments to numeric-type constructor");
        return Fail(e);
    }
    if (e->args.size() == 1) return Coerce(e->args[0], t, true);
    return e;
}

Expr* Checker::CheckCast(Expr* e)
{
    e->args[0] = CheckExpr(e->args[0]);
    Expr* a = e->args[0];
    if (a->type.IsError()) return Fail(e);
    if (e->type.shape == Shape::Matrix && e->type.base != Base::Float) {
        Error(e->loc, code::NotSupported, "non-float matrices are not supported");
        return Fail(e);
    }
    if ((e->type.base == Base::Struct || e->type.IsArray()) && a->type.IsScalarLike()) return Splat(a, e->type);
    Expr* c = Coerce(a, e->type, true);
    if (c->type.IsError()) return Fail(e);
    if (c == a && !SameType(a->type, e->type)) return Wrap(a, e->type);
    return c;
}

// (S)0: every component of a struct or array set from one scalar.
Expr* Checker::Splat(Expr* scalar, const Type& to)
{
    if (to.IsNumeric()) return Coerce(scalar, to, true);
    Expr* c = m_.NewExpr(ExprKind::Construct, scalar->loc);
    c->type = to;
    if (to.IsArray()) {
        for (int i = 0; i < to.arraySize; ++i) c->args.push_back(Splat(scalar, to.Element()));
    } else if (to.base == Base::Struct) {
        for (const StructField& f : to.structDef->fields) c->args.push_back(Splat(scalar, f.type));
    } else {
        Error(scalar->loc, code::CannotConvert,
              "cannot convert from '" + TypeName(scalar->type) + "' to '" + TypeName(to) + "'");
        return Fail(c);
    }
    for (Expr* a : c->args)
        if (a->type.IsError()) return Fail(c);
    return c;
}

Expr* Checker::CheckMember(Expr* e)
{
    Expr*& a = e->args[0];
    a = CheckExpr(a);
    Type t = a->type;
    if (t.IsError()) return Fail(e);
    auto invalid = [&]() {
        Error(e->loc, code::InvalidSubscript, "invalid subscript '" + e->name + "'");
        return Fail(e);
    };
    if (t.IsArray()) return invalid();
    if (t.base == Base::Struct) {
        const StructDef* s = t.structDef;
        for (size_t i = 0; i < s->fields.size(); ++i) {
            if (s->fields[i].name == e->name) {
                e->field = static_cast<int>(i);
                e->type = s->fields[i].type;
                e->lvalue = a->lvalue;
                return e;
            }
        }
        return invalid();
    }
    if (!t.IsNumeric()) return invalid();
    bool ok = t.shape == Shape::Matrix ? MatrixSwizzle(e->name, t.rows, t.cols, e->swizzle)
                                       : VectorSwizzle(e->name, t.Count(), e->swizzle);
    if (!ok) return invalid();
    int n = static_cast<int>(e->swizzle.size());
    e->type = n == 1 ? Type::Scalar(t.base) : Type::Vector(t.base, n);
    e->lvalue = a->lvalue && !HasRepeats(e->swizzle) && (t.shape != Shape::Matrix || n == 1);
    return e;
}

Expr* Checker::CheckIndex(Expr* e)
{
    Expr*& a = e->args[0];
    Expr*& i = e->args[1];
    a = CheckExpr(a);
    i = CheckExpr(i);
    if (a->type.IsError() || i->type.IsError()) return Fail(e);
    Type t = a->type;
    int size = 0;
    if (t.IsArray()) {
        e->type = t.Element();
        size = t.arraySize;
    } else if (t.IsNumeric() && t.shape == Shape::Vector) {
        e->type = Type::Scalar(t.base);
        size = t.cols;
    } else if (t.IsNumeric() && t.shape == Shape::Matrix) {
        e->type = Type::Vector(t.base, t.cols);
        size = t.rows;
    } else {
        Error(e->loc, code::InvalidSubscript, "invalid subscript: '" + TypeName(t) + "' cannot be indexed");
        return Fail(e);
    }
    if (!i->type.IsScalarLike()) {
        Error(i->loc, code::CannotConvert, "index must be a scalar");
        return Fail(e);
    }
    i = Coerce(i, Type::Scalar(Base::Int), true);
    std::vector<double> v;
    if (ConstValue(i, v) && v.size() == 1 && (v[0] < 0 || v[0] >= size)) {
        Error(i->loc, code::ArrayBounds, "array index out of bounds");
        return Fail(e);
    }
    e->lvalue = a->lvalue;
    return e;
}

// ---- initialisers -----------------------------------------------------

void Checker::Flatten(Expr* list, std::vector<Expr*>& leaves)
{
    for (Expr* a : list->args) {
        if (a->kind == ExprKind::InitList)
            Flatten(a, leaves);
        else
            leaves.push_back(CheckExpr(a));
    }
}

// Builds a value of type `to` from the flattened leaves of an initialiser
// list; `used` counts the components of leaves[next] already taken.
Expr* Checker::BuildFromLeaves(std::vector<Expr*>& leaves, size_t& next, int& used, const Type& to, Loc at,
                               bool& ok)
{
    if (to.IsArray() || to.base == Base::Struct) {
        Expr* c = m_.NewExpr(ExprKind::Construct, at);
        c->type = to;
        if (to.IsArray()) {
            for (int i = 0; i < to.arraySize && ok; ++i)
                c->args.push_back(BuildFromLeaves(leaves, next, used, to.Element(), at, ok));
        } else {
            for (const StructField& f : to.structDef->fields)
                if (ok) c->args.push_back(BuildFromLeaves(leaves, next, used, f.type, at, ok));
        }
        return c;
    }
    if (next < leaves.size() && used == 0 && !leaves[next]->type.IsNumeric()) {
        Expr* leaf = Coerce(leaves[next++], to);
        ok = ok && !leaf->type.IsError();
        return leaf;
    }
    if (!to.IsNumeric()) {
        ok = false;
        return m_.NewExpr(ExprKind::Error, at);
    }
    int need = to.Count();
    std::vector<Expr*> parts;
    while (need > 0) {
        if (next >= leaves.size() || !leaves[next]->type.IsNumeric()) {
            ok = false;
            return m_.NewExpr(ExprKind::Error, at);
        }
        Expr* leaf = leaves[next];
        int have = leaf->type.Count() - used;
        if (have > need || used > 0) {
            Error(leaf->loc, code::NotSupported, "an initializer element that spans two variables is not supported");
            ok = false;
            return m_.NewExpr(ExprKind::Error, at);
        }
        parts.push_back(leaf);
        need -= have;
        ++next;
    }
    if (parts.size() == 1) return Coerce(parts[0], to, true);
    Expr* c = m_.NewExpr(ExprKind::Construct, at);
    c->type = to;
    c->args = parts;
    return c;
}

Expr* Checker::CheckInitializer(Expr* init, const Type& to)
{
    if (init->kind != ExprKind::InitList) return Coerce(CheckExpr(init), to);
    std::vector<Expr*> leaves;
    Flatten(init, leaves);
    return InitializerFromLeaves(init, leaves, to);
}

Expr* Checker::InitializerFromLeaves(Expr* init, std::vector<Expr*>& leaves, const Type& to)
{
    for (Expr* l : leaves)
        if (l->type.IsError()) return Fail(init);
    size_t next = 0;
    int used = 0;
    bool ok = true;
    Expr* built = BuildFromLeaves(leaves, next, used, to, init->loc, ok);
    if (ok && next != leaves.size()) ok = false;
    if (!ok) {
        Error(init->loc, code::CannotConvert, "initializer does not match type '" + TypeName(to) + "'");
        return Fail(init);
    }
    return built;
}

// ---- declarations and statements --------------------------------------

int Checker::ArraySize(Expr* e)
{
    e = CheckExpr(e);
    std::vector<double> v;
    if (e->type.IsError()) return 0;
    if (!e->type.IsScalarLike() || !ConstValue(e, v) || v.size() != 1) {
        Error(e->loc, code::CannotConvert, "array dimensions must be literal scalar expressions");
        return 0;
    }
    if (v[0] < 1 || v[0] > 65536) {
        Error(e->loc, code::CannotConvert, "array dimension must be between 1 and 65536");
        return 0;
    }
    return static_cast<int>(v[0]);
}

void Checker::Declare(Var* v)
{
    auto& scope = scopes_.back();
    if (scope.count(v->name) || (scopes_.size() == 1 && functions_.count(v->name))) {
        Error(v->loc, code::Redefinition, "'" + v->name + "': redefinition");
        return;
    }
    scope[v->name] = v;
}

void Checker::CheckVar(Var* v)
{
    if (v->arraySize) {
        int n = ArraySize(v->arraySize);
        v->type.arraySize = n;
        if (n == 0) v->type = Type{};
    }
    if (v->type.base == Base::Void) {
        Error(v->loc, code::CannotConvert, "'" + v->name + "': void variables are not allowed");
        v->type = Type{};
    }
    if (v->type.shape == Shape::Matrix && v->type.base != Base::Float) {
        Error(v->loc, code::NotSupported, "'" + v->name + "': non-float matrices are not supported");
        v->type = Type{};
    }
    if (v->storage == Storage::Local &&
        (v->type.base == Base::Sampler || v->type.base == Base::Texture || v->type.base == Base::String)) {
        Error(v->loc, code::NotSupported,
              "'" + v->name + "': local sampler, texture and string variables are not supported");
        v->type = Type{};
    }
    if (v->init) {
        if (v->init->kind == ExprKind::InitList) {
            std::vector<Expr*> leaves;
            Flatten(v->init, leaves);
            if (v->unsizedArray) {
                int comps = 0;
                for (Expr* l : leaves) comps += l->type.IsNumeric() ? l->type.Count() : 1;
                int per = v->type.IsNumeric() ? v->type.Count() : 1;
                v->type.arraySize = std::max(1, (comps + per - 1) / std::max(1, per));
            }
            if (!v->type.IsError()) v->init = InitializerFromLeaves(v->init, leaves, v->type);
        } else if (!v->type.IsError()) {
            v->init = Coerce(CheckExpr(v->init), v->type);
        }
    } else if (v->unsizedArray) {
        Error(v->loc, code::CannotConvert, "'" + v->name + "': array dimensions must be given");
        v->type = Type{};
    }
    if (v->isConst && v->init && !v->init->type.IsError() &&
        (v->storage == Storage::Local || (v->storage == Storage::Global && v->isStatic)))
        v->hasConstValue = ConstValue(v->init, v->constValue);
    if (v->isStatic && v->storage == Storage::Local && v->init && !v->init->type.IsError()) {
        std::vector<double> ignored;
        if (!ConstValue(v->init, ignored))
            Error(v->init->loc, code::NotLiteral, "'" + v->name + "': initial value must be a literal expression");
    }
    if (v->isConst && !v->init && v->storage == Storage::Local)
        Error(v->loc, code::ConstLValue, "'" + v->name + "': const variable needs an initializer");
    Declare(v);
}

Expr* Checker::Condition(Expr* e)
{
    e = CheckExpr(e);
    if (e->type.IsError()) return e;
    if (!e->type.IsNumeric()) {
        Error(e->loc, code::CannotConvert, "cannot convert from '" + TypeName(e->type) + "' to 'bool'");
        return Fail(e);
    }
    return Coerce(e, Type::Scalar(Base::Bool));
}

void Checker::CheckStmt(Stmt* s)
{
    switch (s->kind) {
    case StmtKind::Empty: break;
    case StmtKind::Block:
        scopes_.emplace_back();
        for (Stmt* b : s->body) CheckStmt(b);
        scopes_.pop_back();
        break;
    case StmtKind::Decl:
        for (Var* v : s->decls) CheckVar(v);
        break;
    case StmtKind::Expr: s->expr = CheckExpr(s->expr); break;
    case StmtKind::If:
        s->expr = Condition(s->expr);
        CheckStmt(s->then);
        if (s->otherwise) CheckStmt(s->otherwise);
        break;
    case StmtKind::For:
        // The loop variable stays visible after the loop, as in HLSL.
        if (s->init) CheckStmt(s->init);
        if (s->expr) s->expr = Condition(s->expr);
        if (s->step) s->step = CheckExpr(s->step);
        ++loops_;
        CheckStmt(s->then);
        --loops_;
        break;
    case StmtKind::While:
    case StmtKind::Do:
        s->expr = Condition(s->expr);
        ++loops_;
        CheckStmt(s->then);
        --loops_;
        break;
    case StmtKind::Break:
    case StmtKind::Continue:
        if (loops_ == 0)
            Error(s->loc, code::Syntax,
                  std::string(s->kind == StmtKind::Break ? "break" : "continue") + " must be inside a loop");
        break;
    case StmtKind::Discard: break;
    case StmtKind::Return: {
        Type want = current_ ? current_->returnType : Type::Scalar(Base::Void);
        if (s->expr) {
            s->expr = CheckExpr(s->expr);
            if (want.base == Base::Void)
                Error(s->loc, code::CannotConvert, "void functions cannot return a value");
            else
                s->expr = Coerce(s->expr, want);
        } else if (want.base != Base::Void && !want.IsError()) {
            Error(s->loc, code::MissingReturn, "function must return a value");
        }
        break;
    }
    }
}

void Checker::CheckStruct(StructDef* s)
{
    for (StructField& f : s->fields) {
        if (f.type.base == Base::Struct && f.type.structDef) {
            s->depth = std::max(s->depth, f.type.structDef->depth + 1);
            if (s->depth > 16) {
                Error(f.loc, code::LimitExceeded, "'" + f.name + "': structs nested too deeply");
                f.type = Type{};
                s->depth = 1;
            }
        }
        if (f.arraySize) {
            f.type.arraySize = ArraySize(f.arraySize);
            if (f.type.arraySize == 0) f.type = Type{};
        }
        if (f.type.base == Base::Sampler || f.type.base == Base::Texture || f.type.base == Base::Void ||
            (f.type.shape == Shape::Matrix && f.type.base != Base::Float)) {
            Error(f.loc, code::NotSupported, "'" + f.name + "': this member type is not supported");
            f.type = Type{};
        }
    }
}

void Checker::CheckFunction(Function* f)
{
    // Parameters' array sizes and defaults are checked at global scope.
    for (Var* p : f->params) {
        if (p->arraySize) {
            p->type.arraySize = ArraySize(p->arraySize);
            if (p->type.arraySize == 0) p->type = Type{};
        }
        if (p->init) p->init = CheckInitializer(p->init, p->type);
        if (p->type.base == Base::Void) {
            Error(p->loc, code::CannotConvert, "'" + p->name + "': void parameters are not allowed");
            p->type = Type{};
        }
        if (p->type.shape == Shape::Matrix && p->type.base != Base::Float) {
            Error(p->loc, code::NotSupported, "'" + p->name + "': non-float matrices are not supported");
            p->type = Type{};
        }
        if (p->type.base == Base::Texture || p->type.base == Base::String) {
            Error(p->loc, code::NotSupported, "'" + p->name + "': texture and string parameters are not supported");
            p->type = Type{};
        }
        if (p->type.base == Base::Sampler && p->dir != ParamDir::In) {
            Error(p->loc, code::NotSupported, "'" + p->name + "': samplers cannot be output parameters");
            p->type = Type{};
        }
    }
    if (scopes_.size() == 1 && scopes_[0].count(f->name))
        Error(f->loc, code::Redefinition, "'" + f->name + "': redefinition");
    if (f->returnType.base == Base::Sampler || f->returnType.base == Base::Texture ||
        f->returnType.base == Base::String) {
        Error(f->loc, code::NotSupported, "'" + f->name + "': functions cannot return samplers, textures or strings");
        f->returnType = Type{};
    }

    // Overloads: same parameter types name the same function.
    std::vector<Function*>& list = functions_[f->name];
    Function* same = nullptr;
    for (Function* g : list) {
        if (g->params.size() != f->params.size()) continue;
        bool eq = true;
        for (size_t i = 0; i < f->params.size() && eq; ++i) eq = SameType(g->params[i]->type, f->params[i]->type);
        if (eq) same = g;
    }
    if (same) {
        if (same->body && f->body) {
            Error(f->loc, code::Redefinition, "'" + f->name + "': function already has a body");
            return;
        }
        if (!SameType(same->returnType, f->returnType)) {
            Error(f->loc, code::Redefinition, "'" + f->name + "': redefinition with a different return type");
            return;
        }
        if (f->body) same->definition = f;
    } else {
        list.push_back(f);
    }
    if (!f->body) return;

    current_ = f;
    scopes_.emplace_back();
    for (Var* p : f->params) Declare(p);
    for (Stmt* b : f->body->body) CheckStmt(b);
    scopes_.pop_back();
    current_ = nullptr;
    if (f->returnType.base != Base::Void && !f->returnType.IsError() && !AlwaysReturns(f->body) &&
        !ContainsLoop(f->body))
        Error(f->loc, code::MissingReturn, "'" + f->name + "': function must return a value");
    f->checked = true;
}

void Checker::CheckRecursion()
{
    // Iterative depth-first search over the call graph; a back edge is recursion.
    std::unordered_map<Function*, int> state;  // 1 on stack, 2 done
    auto resolve = [](Function* f) { return f->definition ? f->definition : f; };
    for (Function& root : m_.functions) {
        if (state[&root]) continue;
        std::vector<std::pair<Function*, size_t>> stack{{&root, 0}};
        state[&root] = 1;
        while (!stack.empty()) {
            auto& [f, i] = stack.back();
            Function* body = resolve(f);
            if (i < body->callees.size()) {
                Function* g = resolve(body->callees[i++]);
                int& st = state[g];
                if (st == 1) {
                    Error(g->loc, code::Recursion, "'" + g->name + "': recursive functions are not allowed");
                    st = 2;
                } else if (st == 0) {
                    st = 1;
                    stack.push_back({g, 0});
                }
            } else {
                state[f] = 2;
                state[body] = 2;
                stack.pop_back();
            }
        }
    }
}

void Checker::CheckSamplerStates(const Var& v)
{
    SamplerDesc scratch;
    for (const StateAssignment& a : v.samplerStates) {
        if (Lower(a.name) == "texture") {
            using V = StateAssignment::Value;
            if (a.valueKind == V::Null) continue;
            Var* t = a.valueKind == V::Ref || a.valueKind == V::Ident ? FindGlobal(a.ident) : nullptr;
            if (a.valueKind != V::Ref && a.valueKind != V::Ident)
                Error(a.valueLoc, code::CannotConvert, "Texture needs a texture variable");
            else if (!t)
                Error(a.valueLoc, code::Undeclared, "undeclared identifier '" + a.ident + "'");
            else if (t->type.base != Base::Texture || t->type.IsArray())
                Error(a.valueLoc, code::CannotConvert, "'" + a.ident + "' is not a texture");
            continue;
        }
        std::string error;
        if (!ApplySamplerState(a, scratch, error))
            Error(error.rfind("unrecognized", 0) == 0 ? a.loc : a.valueLoc, code::Syntax, error);
    }
}

void Checker::Run()
{
    scopes_.clear();
    scopes_.emplace_back();
    for (TopLevel& item : m_.items) {
        if (diag_.Full()) break;
        switch (item.kind) {
        case TopLevel::Kind::Struct: CheckStruct(item.structDef); break;
        case TopLevel::Kind::Var: {
            Var* v = item.var;
            if (v->type.base == Base::String) {
                if (v->init) v->init = CheckExpr(v->init);
                Declare(v);
                break;
            }
            CheckVar(v);
            if (v->hasSamplerState && v->type.base != Base::Sampler)
                Error(v->loc, code::CannotConvert, "'" + v->name + "': sampler_state needs a sampler variable");
            else if (v->hasSamplerState)
                CheckSamplerStates(*v);
            break;
        }
        case TopLevel::Kind::Function: CheckFunction(item.function); break;
        }
    }
    CheckRecursion();
}

}  // namespace hlsl
