#pragma once
// The type checker: resolves names and overloads, types every expression,
// inserts the implicit conversions HLSL makes (with their warnings) and
// reports what HLSL rejects.
#include <string>
#include <unordered_map>
#include <vector>

#include "ast.h"
#include "diagnostics.h"

namespace hlsl {

class Checker {
public:
    Checker(Module& module, Diagnostics& diag) : m_(module), diag_(diag) {}

    // Checks every declaration of the module in source order.
    void Run();

    // For the effect description: global lookups and compile arguments.
    Var* FindGlobal(const std::string& name) const;
    const std::vector<Function*>* FindFunctions(const std::string& name) const;
    // Checks `e` at global scope and converts it to `to`.
    Expr* CheckGlobalExpr(Expr* e, const Type& to);

    // Component values of a constant expression (checked), row-major;
    // false when it is not constant.
    bool ConstValue(const Expr* e, std::vector<double>& out) const;

private:
    enum class Conv { Exact, Promote, Splat, Truncate, Impossible };

    Conv Classify(const Type& from, const Type& to) const;
    Expr* Coerce(Expr* e, const Type& to, bool explicitCast = false);
    Expr* Wrap(Expr* e, const Type& to);
    Type Common(const Type& a, const Type& b, Loc at, const char* op);

    Expr* CheckExpr(Expr* e);
    Expr* CheckName(Expr* e);
    Expr* CheckUnary(Expr* e);
    Expr* CheckBinary(Expr* e);
    Expr* CheckAssign(Expr* e);
    Expr* CheckConditional(Expr* e);
    Expr* CheckCall(Expr* e);
    Expr* CheckIntrinsic(Expr* e);
    Expr* CheckConstruct(Expr* e);
    Expr* CheckCast(Expr* e);
    Expr* CheckMember(Expr* e);
    Expr* Splat(Expr* scalar, const Type& to);
    Expr* CheckIndex(Expr* e);
    Expr* CheckInitializer(Expr* init, const Type& to);
    Expr* InitializerFromLeaves(Expr* init, std::vector<Expr*>& leaves, const Type& to);
    Expr* BuildFromLeaves(std::vector<Expr*>& leaves, size_t& next, int& used, const Type& to, Loc at, bool& ok);
    void Flatten(Expr* list, std::vector<Expr*>& leaves);

    void CheckStmt(Stmt* s);
    void CheckVar(Var* v);
    void CheckFunction(Function* f);
    void CheckStruct(StructDef* s);
    int ArraySize(Expr* e);
    Expr* Condition(Expr* e);
    void Declare(Var* v);
    void CheckRecursion();
    void CheckSamplerStates(const Var& v);

    void Error(Loc at, const char* code, const std::string& text) { diag_.Error(at, code, text); }
    Expr* Fail(Expr* e)
    {
        e->type = Type{};
        return e;
    }

    Module& m_;
    Diagnostics& diag_;
    std::vector<std::unordered_map<std::string, Var*>> scopes_;
    std::unordered_map<std::string, std::vector<Function*>> functions_;
    Function* current_ = nullptr;
    int loops_ = 0;
};

}  // namespace hlsl
