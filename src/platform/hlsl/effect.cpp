// CompileEffect: source text to the effect description, phase by phase.
#include <pthread.h>

#include <cstring>
#include <exception>
#include <fstream>
#include <sstream>

#include "checker.h"
#include "glsl_writer.h"
#include "parser.h"
#include "preprocessor.h"
#include "states.h"

namespace hlsl {
namespace {

bool IsPixelProfile(const std::string& p)
{
    return p == "ps_2_0" || p == "ps_2_a" || p == "ps_2_b" || p == "ps_3_0";
}

class Builder {
public:
    Builder(Module& m, Checker& c, Diagnostics& d) : m_(m), checker_(c), diag_(d) {}

    Effect Run()
    {
        Effect effect;
        for (const TopLevel& item : m_.items)
            if (item.kind == TopLevel::Kind::Var) Global(*item.var, effect);
        for (const Technique& t : m_.techniques) effect.techniques.push_back(TechniqueOf(t));
        return effect;
    }

private:
    void Global(const Var& v, Effect& effect)
    {
        if (v.isStatic || v.type.IsError() || v.type.base == Base::String || v.type.base == Base::Struct) return;
        ParameterDesc p;
        p.name = v.name;
        p.semantic = v.semantic;
        p.arraySize = v.type.arraySize;
        switch (v.type.base) {
        case Base::Float: p.type = ParameterType::Float; break;
        case Base::Int:
        case Base::Uint: p.type = ParameterType::Int; break;
        case Base::Bool: p.type = ParameterType::Bool; break;
        case Base::Texture: p.type = ParameterType::Texture; break;
        case Base::Sampler: p.type = ParameterType::Sampler; break;
        default: return;
        }
        if (v.type.IsNumeric() || (v.type.IsArray() && v.type.Element().IsNumeric())) {
            p.rows = v.type.rows;
            p.columns = v.type.cols;
            if (v.init) {
                std::vector<double> values;
                if (!checker_.ConstValue(v.init, values)) {
                    diag_.Error(v.init->loc, code::NotLiteral,
                                "'" + v.name + "': initial value must be a literal expression");
                } else {
                    for (double d : values) p.initialValue.push_back(static_cast<float>(d));
                }
            }
        }
        if (v.type.base == Base::Sampler) effect.samplers.push_back(SamplerOf(v));
        effect.parameters.push_back(std::move(p));
    }

    SamplerDesc SamplerOf(const Var& v)
    {
        SamplerDesc s;
        s.name = v.name;
        for (const StateAssignment& a : v.samplerStates) {
            if (Lower(a.name) == "texture") {
                Var* t = a.valueKind == StateAssignment::Value::Ref || a.valueKind == StateAssignment::Value::Ident
                             ? checker_.FindGlobal(a.ident)
                             : nullptr;
                if (a.valueKind == StateAssignment::Value::Null) continue;
                if (!t) {
                    diag_.Error(a.valueLoc, code::Undeclared, "undeclared identifier '" + a.ident + "'");
                } else if (t->type.base != Base::Texture || t->type.IsArray()) {
                    diag_.Error(a.valueLoc, code::CannotConvert, "'" + a.ident + "' is not a texture");
                } else {
                    s.texture = t->name;
                }
                continue;
            }
            std::string error;
            if (!ApplySamplerState(a, s, error)) diag_.Error(a.loc, code::Syntax, error);
        }
        return s;
    }

    TechniqueDesc TechniqueOf(const Technique& t)
    {
        TechniqueDesc td;
        td.name = t.name;
        for (const Pass& p : t.passes) td.passes.push_back(PassOf(p));
        return td;
    }

    PassDesc PassOf(const Pass& p)
    {
        PassDesc pd;
        pd.name = p.name;
        const StateAssignment* pixel = nullptr;
        bool badRef = false;
        for (const StateAssignment& state : p.states) {
            const StateAssignment* value = &state;
            if (PassStateClass(state.name) == StateClass::Shader && state.valueKind == StateAssignment::Value::Ref)
                value = ShaderVar(state);
            if (!value) {
                badRef = true;
                continue;
            }
            const StateAssignment& a = *value;
            switch (PassStateClass(state.name)) {
            case StateClass::Shader:
                if (Lower(state.name) == "pixelshader") {
                    pixel = &a;
                } else if (a.valueKind != StateAssignment::Value::Null) {
                    diag_.Error(a.loc, code::NotSupported,
                                "vertex shaders are not supported: pre-transformed vertices use a fixed vertex "
                                "stage (use 'VertexShader = NULL;')");
                }
                break;
            case StateClass::Render: {
                RenderState rs;
                std::string error;
                if (RenderStateValue(a, rs, error))
                    pd.renderStates.push_back(rs);
                else
                    diag_.Error(a.valueLoc, code::Syntax, error);
                break;
            }
            case StateClass::Ignored: break;
            case StateClass::Unknown:
                diag_.Error(a.loc, code::Syntax, "unrecognized effect state '" + a.name + "'");
                break;
            }
        }
        if (badRef) return pd;
        if (!pixel || pixel->valueKind == StateAssignment::Value::Null) {
            diag_.Error(pixel ? pixel->loc : p.loc, code::NotSupported,
                        "fixed-function pixel processing is not supported: the pass needs "
                        "'PixelShader = compile ps_2_0 ...;'");
            return pd;
        }
        if (pixel->valueKind != StateAssignment::Value::Compile) {
            diag_.Error(pixel->valueLoc, code::NotSupported, "PixelShader needs 'compile ps_2_0 function(...)'");
            return pd;
        }
        if (!IsPixelProfile(pixel->profile)) {
            diag_.Error(pixel->valueLoc, code::NotSupported,
                        "'" + pixel->profile + "': unsupported pixel shader profile (ps_2_0, ps_2_a, ps_2_b, ps_3_0)");
            return pd;
        }
        const std::vector<Function*>* fs = checker_.FindFunctions(pixel->entry);
        if (!fs || fs->empty()) {
            diag_.Error(pixel->valueLoc, code::EntryNotFound, "'" + pixel->entry + "': entrypoint not found");
            return pd;
        }
        Function* entry = nullptr;
        for (Function* f : *fs) {
            size_t uniforms = 0;
            for (const Var* v : f->params) uniforms += v->isUniform;
            if (uniforms == pixel->args.size()) {
                if (entry) {
                    diag_.Error(pixel->valueLoc, code::AmbiguousCall, "'" + pixel->entry + "': ambiguous entrypoint");
                    return pd;
                }
                entry = f;
            }
        }
        if (!entry) {
            diag_.Error(pixel->valueLoc, code::NoMatchingFunction,
                        "'" + pixel->entry + "': no matching entrypoint for " + std::to_string(pixel->args.size()) +
                            " uniform arguments");
            return pd;
        }
        std::vector<Expr*> args;
        size_t next = 0;
        for (const Var* v : entry->params) {
            if (!v->isUniform) continue;
            args.push_back(checker_.CheckGlobalExpr(pixel->args[next++], v->type));
        }
        if (diag_.ErrorCount() == 0) WriteGlsl(m_, *entry, args, pixel->valueLoc, diag_, pd);
        return pd;
    }

    // The global shader variable a `PixelShader = (ps);` names.
    const StateAssignment* ShaderVar(const StateAssignment& ref)
    {
        for (const StateAssignment& v : m_.shaderVars)
            if (v.name == ref.ident) return &v;
        diag_.Error(ref.valueLoc, code::Undeclared, "undeclared identifier '" + ref.ident + "'");
        return nullptr;
    }

    Module& m_;
    Checker& checker_;
    Diagnostics& diag_;
};

}  // namespace

bool ReadFileFromDisk(const std::string& path, std::string& contents)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return false;
    contents = s.str();
    return true;
}

namespace {

CompileResult CompileOnThisThread(std::string_view source, const std::string& fileName, const FileReader& readFile)
{
    CompileResult result;
    Diagnostics diag;
    std::vector<Token> tokens = Preprocess(source, fileName, readFile, diag);
    Module module;
    if (diag.ErrorCount() == 0) Parse(tokens, module, diag);
    if (diag.ErrorCount() == 0) {
        Checker checker(module, diag);
        checker.Run();
        if (diag.ErrorCount() == 0) {
            Effect effect = Builder(module, checker, diag).Run();
            if (diag.ErrorCount() == 0) result.effect = std::move(effect);
        }
    }
    result.diagnostics = diag.Take();
    return result;
}

// The parser, checker and GLSL writer recurse once per level of the
// syntax tree. Their limits (kMaxParseDepth, kMaxExprHeight) take about 11
// MiB of stack at worst, more than a thread is sure to have, so the compile
// runs on a thread of its own with room to spare. Address sanitizer builds
// (the fuzzer) use about ten times as much stack per level.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KD_HLSL_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(KD_HLSL_ASAN)
constexpr size_t kCompileStackBytes = size_t(512) << 20;
#else
constexpr size_t kCompileStackBytes = size_t(64) << 20;
#endif

struct CompileJob {
    std::string_view source;
    const std::string* fileName;
    const FileReader* readFile;
    CompileResult result;
    std::exception_ptr failure;
};

void* RunCompileJob(void* arg)
{
    CompileJob& job = *static_cast<CompileJob*>(arg);
    try {
        job.result = CompileOnThisThread(job.source, *job.fileName, *job.readFile);
    } catch (...) {
        job.failure = std::current_exception();
    }
    return nullptr;
}

}  // namespace

CompileResult CompileEffect(std::string_view source, const std::string& fileName, const FileReader& readFile)
{
    CompileJob job{source, &fileName, &readFile, {}, nullptr};
    pthread_attr_t attr;
    pthread_t thread;
    bool started = false;
    if (pthread_attr_init(&attr) == 0) {
        started = pthread_attr_setstacksize(&attr, kCompileStackBytes) == 0 &&
                  pthread_create(&thread, &attr, RunCompileJob, &job) == 0;
        pthread_attr_destroy(&attr);
    }
    if (!started) {
        Diagnostics diag;
        diag.Error(Loc{diag.AddName(fileName), 1, 1}, code::LimitExceeded,
                   "out of memory: no thread for the compile");
        CompileResult result;
        result.diagnostics = diag.Take();
        return result;
    }
    pthread_join(thread, nullptr);
    if (job.failure) std::rethrow_exception(job.failure);
    return std::move(job.result);
}

}  // namespace hlsl
