// Constant folding for array sizes and the initial values of parameters.
#include <cmath>
#include <cstdint>

#include "checker.h"

namespace hlsl {
namespace {

double ToBase(double v, Base b)
{
    switch (b) {
    case Base::Bool: return v != 0 ? 1 : 0;
    case Base::Int:
        if (std::isnan(v)) return 0;
        return static_cast<double>(static_cast<int32_t>(std::fmax(-2147483648.0, std::fmin(2147483647.0, std::trunc(v)))));
    case Base::Uint:
        if (std::isnan(v)) return 0;
        if (v < 0) return static_cast<double>(static_cast<uint32_t>(static_cast<int32_t>(std::fmax(v, -2147483648.0))));
        return std::fmin(4294967295.0, std::trunc(v));
    case Base::Float: return static_cast<double>(static_cast<float>(v));
    default: return v;
    }
}

// Components of a value of `from` converted to `to` (splat or truncation).
bool ConvertValues(const Type& from, const Type& to, std::vector<double>& v)
{
    if (!to.IsNumeric() || !from.IsNumeric()) return SameType(from, to);
    std::vector<double> out;
    if (v.size() == 1) {
        out.assign(static_cast<size_t>(to.Count()), v[0]);
    } else if (from.shape == Shape::Matrix && to.shape == Shape::Matrix) {
        for (int r = 0; r < to.rows; ++r)
            for (int c = 0; c < to.cols; ++c) out.push_back(v[static_cast<size_t>(r * from.cols + c)]);
    } else {
        if (static_cast<int>(v.size()) < to.Count()) return false;
        out.assign(v.begin(), v.begin() + to.Count());
    }
    for (double& x : out) x = ToBase(x, to.base);
    v = std::move(out);
    return true;
}

}  // namespace

bool Checker::ConstValue(const Expr* e, std::vector<double>& out) const
{
    out.clear();
    const Type& t = e->type;
    if (t.IsError()) return false;
    switch (e->kind) {
    case ExprKind::IntLit:
        out.push_back(t.base == Base::Uint ? static_cast<double>(e->intValue)
                                           : static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(e->intValue))));
        return true;
    case ExprKind::BoolLit: out.push_back(static_cast<double>(e->intValue)); return true;
    case ExprKind::FloatLit: out.push_back(ToBase(e->number, Base::Float)); return true;
    case ExprKind::Name: {
        // Folded when the constant was declared, so a long chain of
        // constants costs no recursion here.
        const Var* v = e->var;
        if (!v || !v->hasConstValue) return false;
        out = v->constValue;
        return true;
    }
    case ExprKind::Convert:
    case ExprKind::Cast:
        if (!ConstValue(e->args[0], out)) return false;
        return ConvertValues(e->args[0]->type, t, out);
    case ExprKind::Construct: {
        std::vector<double> part;
        for (const Expr* a : e->args) {
            if (!ConstValue(a, part)) return false;
            if (t.IsNumeric())
                for (double& x : part) x = ToBase(x, t.base);
            out.insert(out.end(), part.begin(), part.end());
        }
        return true;
    }
    case ExprKind::Unary: {
        if (e->name == "++" || e->name == "--" || !ConstValue(e->args[0], out)) return false;
        for (double& x : out) {
            if (e->name == "-") x = ToBase(-x, t.base);
            if (e->name == "!") x = x == 0;
            if (e->name == "~")
                x = t.base == Base::Uint ? static_cast<double>(~static_cast<uint32_t>(x))
                                         : static_cast<double>(~static_cast<int32_t>(x));
        }
        return true;
    }
    case ExprKind::Binary: {
        std::vector<double> b;
        if (!ConstValue(e->args[0], out) || !ConstValue(e->args[1], b) || out.size() != b.size()) return false;
        const std::string& op = e->name;
        Base opBase = e->args[0]->type.base;
        for (size_t i = 0; i < out.size(); ++i) {
            double x = out[i], y = b[i], r = 0;
            if (op == "+") r = x + y;
            else if (op == "-") r = x - y;
            else if (op == "*") r = x * y;
            else if (op == "/") {
                if (opBase != Base::Float && y == 0) return false;
                r = opBase == Base::Float ? static_cast<double>(static_cast<float>(x) / static_cast<float>(y)) : std::trunc(x / y);
            } else if (op == "%") {
                if (y == 0) return false;
                r = std::fmod(x, y);
            } else if (op == "<") r = x < y;
            else if (op == ">") r = x > y;
            else if (op == "<=") r = x <= y;
            else if (op == ">=") r = x >= y;
            else if (op == "==") r = x == y;
            else if (op == "!=") r = x != y;
            else if (op == "&&") r = x != 0 && y != 0;
            else if (op == "||") r = x != 0 || y != 0;
            else {
                int64_t xi = static_cast<int64_t>(x), yi = static_cast<int64_t>(y);
                if (op == "&") r = static_cast<double>(xi & yi);
                else if (op == "|") r = static_cast<double>(xi | yi);
                else if (op == "^") r = static_cast<double>(xi ^ yi);
                else if (op == "<<") r = yi < 0 || yi > 31 ? 0 : static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(xi) << yi));
                else if (op == ">>") r = yi < 0 || yi > 31 ? 0 : static_cast<double>(xi >> yi);
                else return false;
            }
            out[i] = ToBase(r, t.base);
        }
        return true;
    }
    case ExprKind::Conditional: {
        std::vector<double> c, a, b;
        if (!ConstValue(e->args[0], c) || !ConstValue(e->args[1], a) || !ConstValue(e->args[2], b)) return false;
        if (c.size() != a.size() || a.size() != b.size()) return false;
        for (size_t i = 0; i < c.size(); ++i) out.push_back(c[i] != 0 ? a[i] : b[i]);
        return true;
    }
    case ExprKind::Member: {
        const Type& st = e->args[0]->type;
        if (e->swizzle.empty()) return false;
        std::vector<double> src;
        if (!ConstValue(e->args[0], src)) return false;
        for (int k : e->swizzle) {
            size_t i = st.shape == Shape::Matrix ? static_cast<size_t>((k / 4) * st.cols + k % 4) : static_cast<size_t>(k);
            if (i >= src.size()) return false;
            out.push_back(src[i]);
        }
        return true;
    }
    default: return false;
    }
}

}  // namespace hlsl
