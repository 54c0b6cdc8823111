#pragma once
// The syntax tree. The parser builds it, the checker fills in types and
// resolved symbols and inserts conversions, the GLSL writer reads it.
#include <deque>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "types.h"

namespace hlsl {

struct Var;
struct Function;
struct Expr;

struct StructField {
    std::string name;
    Type type;
    std::string semantic;
    Loc loc;
    Expr* arraySize = nullptr;  // checked into type.arraySize
};

struct StructDef {
    std::string name;
    Loc loc;
    int depth = 1;  // nesting of struct members, bounded
    std::vector<StructField> fields;
};

enum class ExprKind : uint8_t {
    Error,
    IntLit,
    FloatLit,
    BoolLit,
    StringLit,    // name holds the text
    Name,         // name, resolved to var
    Unary,        // op args[0]; "++"/"--" prefix
    Postfix,      // args[0] op ("++"/"--")
    Binary,       // args[0] op args[1]
    Assign,       // args[0] op args[1], op "=", "+=", ...
    Conditional,  // args[0] ? args[1] : args[2]
    Call,         // name(args); resolved to function or intrinsic
    Construct,    // type(args)
    Cast,         // (type)args[0]
    Convert,      // implicit conversion of args[0] to type (inserted by the checker)
    Member,       // args[0].name: struct field or swizzle
    Index,        // args[0][args[1]]
    InitList,     // { args }
    Comma,        // args[0], args[1]
};

struct Expr {
    ExprKind kind = ExprKind::Error;
    Loc loc;
    std::string name;  // operator, identifier, member or function name
    std::vector<Expr*> args;
    int height = 1;    // levels of the tree below and including this node
    Type type;         // checked type (for Construct/Cast: the target type from the parser)
    double number = 0; // literal value
    uint64_t intValue = 0;
    Var* var = nullptr;
    Function* function = nullptr;
    int intrinsic = -1;
    int field = -1;             // struct field index
    std::vector<int> swizzle;   // component indices; for matrices row * 4 + column
    bool lvalue = false;
};

enum class StmtKind : uint8_t { Empty, Block, Decl, Expr, If, For, While, Do, Break, Continue, Return, Discard };

struct Stmt {
    StmtKind kind = StmtKind::Empty;
    Loc loc;
    std::vector<Stmt*> body;   // Block
    std::vector<Var*> decls;   // Decl
    Expr* expr = nullptr;      // Expr, Return value, condition of If/For/While/Do
    Stmt* init = nullptr;      // For
    Expr* step = nullptr;      // For
    Stmt* then = nullptr;      // If, loop body
    Stmt* otherwise = nullptr; // If
};

// One `Name = value;` in a sampler_state block or a pass.
struct StateAssignment {
    std::string name;
    Loc loc;
    int index = -1;          // Name[index]
    enum class Value : uint8_t { Ident, Number, Compile, Null, Ref, Error } valueKind = Value::Error;
    std::string ident;       // Ident, Ref (texture or shader variable name)
    double number = 0;
    Loc valueLoc;
    std::string profile;     // Compile: "ps_2_0"
    std::string entry;       // Compile: function name
    std::vector<Expr*> args; // Compile: uniform arguments
};

enum class Storage : uint8_t { Global, Local, Param };
enum class ParamDir : uint8_t { In, Out, InOut };

struct Var {
    std::string name;
    Loc loc;
    Type type;
    Storage storage = Storage::Local;
    bool isUniform = false;   // 'uniform' keyword (globals: non-static ones are uniform anyway)
    bool isStatic = false;
    bool isConst = false;
    ParamDir dir = ParamDir::In;
    std::string semantic;
    Expr* init = nullptr;
    Expr* arraySize = nullptr;  // '[n]' as written; checked into type.arraySize
    bool unsizedArray = false;  // '[]': size from the initialiser
    bool hasSamplerState = false;
    std::vector<StateAssignment> samplerStates;
    int id = 0;               // unique, for local names in GLSL
    bool used = false;
    bool hasConstValue = false;        // a const with a constant initialiser
    std::vector<double> constValue;    // its components, folded once
};

struct Function {
    std::string name;
    Loc loc;
    Type returnType;
    std::string semantic;
    std::vector<Var*> params;
    Stmt* body = nullptr;      // null for a prototype
    Function* definition = nullptr;  // a prototype's later body
    std::vector<Function*> callees;
    std::vector<Var*> globalsUsed;
    int id = 0;
    bool checked = false;
};

struct Pass {
    std::string name;
    Loc loc;
    std::vector<StateAssignment> states;
};

struct Technique {
    std::string name;
    Loc loc;
    std::vector<Pass> passes;
};

// One top-level item in source order.
struct TopLevel {
    enum class Kind : uint8_t { Var, Function, Struct } kind;
    Var* var = nullptr;
    Function* function = nullptr;
    StructDef* structDef = nullptr;
};

struct Module {
    std::vector<TopLevel> items;
    std::vector<Technique> techniques;
    // `PixelShader ps = compile ps_2_0 f();` globals, named by StateAssignment::name.
    std::vector<StateAssignment> shaderVars;

    // Node storage; deques keep addresses stable.
    std::deque<Expr> exprs;
    std::deque<Stmt> stmts;
    std::deque<Var> vars;
    std::deque<Function> functions;
    std::deque<StructDef> structs;

    Expr* NewExpr(ExprKind k, Loc at)
    {
        exprs.emplace_back();
        exprs.back().kind = k;
        exprs.back().loc = at;
        return &exprs.back();
    }
    Stmt* NewStmt(StmtKind k, Loc at)
    {
        stmts.emplace_back();
        stmts.back().kind = k;
        stmts.back().loc = at;
        return &stmts.back();
    }
    Var* NewVar()
    {
        vars.emplace_back();
        vars.back().id = static_cast<int>(vars.size());
        return &vars.back();
    }
};

}  // namespace hlsl
