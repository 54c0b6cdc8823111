#include "states.h"

#include <cmath>
#include <cstring>
#include <unordered_map>

namespace hlsl {
namespace {

struct Named {
    const char* name;
    uint32_t value;
};

const Named kBool[] = {{"false", 0}, {"true", 1}};
const Named kZ[] = {{"false", 0}, {"true", 1}, {"usew", 2}};
const Named kFill[] = {{"point", 1}, {"wireframe", 2}, {"solid", 3}};
const Named kShade[] = {{"flat", 1}, {"gouraud", 2}, {"phong", 3}};
const Named kBlend[] = {{"zero", 1},         {"one", 2},          {"srccolor", 3},        {"invsrccolor", 4},
                        {"srcalpha", 5},     {"invsrcalpha", 6},  {"destalpha", 7},       {"invdestalpha", 8},
                        {"destcolor", 9},    {"invdestcolor", 10}, {"srcalphasat", 11},   {"bothsrcalpha", 12},
                        {"bothinvsrcalpha", 13}, {"blendfactor", 14}, {"invblendfactor", 15}};
const Named kCull[] = {{"none", 1}, {"cw", 2}, {"ccw", 3}};
const Named kCmp[] = {{"never", 1},   {"less", 2},     {"equal", 3},        {"lessequal", 4},
                      {"greater", 5}, {"notequal", 6}, {"greaterequal", 7}, {"always", 8}};
const Named kFog[] = {{"none", 0}, {"exp", 1}, {"exp2", 2}, {"linear", 3}};
const Named kStencilOp[] = {{"keep", 1},    {"zero", 2},   {"replace", 3}, {"incrsat", 4},
                            {"decrsat", 5}, {"invert", 6}, {"incr", 7},    {"decr", 8}};
const Named kBlendOp[] = {{"add", 1}, {"subtract", 2}, {"revsubtract", 3}, {"min", 4}, {"max", 5}};
const Named kMaterial[] = {{"material", 0}, {"color1", 1}, {"color2", 2}};
const Named kFilter[] = {{"none", 0}, {"point", 1}, {"linear", 2}, {"anisotropic", 3}, {"pyramidalquad", 6},
                         {"gaussianquad", 7}};
const Named kAddress[] = {{"wrap", 1}, {"mirror", 2}, {"clamp", 3}, {"border", 4}, {"mirroronce", 5}};

enum class Kind { Bool, Enum, Dword, Float };

struct StateInfo {
    Kind kind;
    const Named* values = nullptr;
    size_t count = 0;
};

template <size_t N>
StateInfo Enum(const Named (&v)[N])
{
    return StateInfo{Kind::Enum, v, N};
}

const std::unordered_map<std::string, StateInfo>& RenderStates()
{
    static const std::unordered_map<std::string, StateInfo> map = [] {
        std::unordered_map<std::string, StateInfo> m;
        for (const char* b : {"zwriteenable", "alphatestenable", "lastpixel", "ditherenable", "alphablendenable",
                              "fogenable", "specularenable", "rangefogenable", "stencilenable", "clipping",
                              "lighting", "colorvertex", "localviewer", "normalizenormals", "pointspriteenable",
                              "pointscaleenable", "multisampleantialias", "indexedvertexblendenable",
                              "scissortestenable", "antialiasedlineenable", "twosidedstencilmode",
                              "srgbwriteenable", "separatealphablendenable", "enableadaptivetessellation"})
            m[b] = StateInfo{Kind::Bool};
        for (const char* d : {"alpharef", "stencilref", "stencilmask", "stencilwritemask", "texturefactor",
                              "ambient", "fogcolor", "blendfactor", "colorwriteenable", "colorwriteenable1",
                              "colorwriteenable2", "colorwriteenable3", "wrap0", "wrap1", "wrap2", "wrap3",
                              "wrap4", "wrap5", "wrap6", "wrap7", "wrap8", "wrap9", "wrap10", "wrap11", "wrap12",
                              "wrap13", "wrap14", "wrap15", "multisamplemask", "clipplaneenable", "vertexblend",
                              "patchedgestyle", "debugmonitortoken", "positiondegree", "normaldegree"})
            m[d] = StateInfo{Kind::Dword};
        for (const char* f : {"fogstart", "fogend", "fogdensity", "pointsize", "pointsize_min", "pointsize_max",
                              "pointscale_a", "pointscale_b", "pointscale_c", "depthbias", "slopescaledepthbias",
                              "tweenfactor", "minTessellationLevel", "maxtessellationlevel", "adaptivetess_x",
                              "adaptivetess_y", "adaptivetess_z", "adaptivetess_w"})
            m[Lower(f)] = StateInfo{Kind::Float};
        m["zenable"] = Enum(kZ);
        m["fillmode"] = Enum(kFill);
        m["shademode"] = Enum(kShade);
        for (const char* b : {"srcblend", "destblend", "srcblendalpha", "destblendalpha"}) m[b] = Enum(kBlend);
        m["cullmode"] = Enum(kCull);
        for (const char* c : {"zfunc", "alphafunc", "stencilfunc", "ccw_stencilfunc"}) m[c] = Enum(kCmp);
        m["fogtablemode"] = Enum(kFog);
        m["fogvertexmode"] = Enum(kFog);
        for (const char* s : {"stencilfail", "stencilzfail", "stencilpass", "ccw_stencilfail", "ccw_stencilzfail",
                              "ccw_stencilpass"})
            m[s] = Enum(kStencilOp);
        m["blendop"] = Enum(kBlendOp);
        m["blendopalpha"] = Enum(kBlendOp);
        for (const char* s : {"diffusematerialsource", "specularmaterialsource", "ambientmaterialsource",
                              "emissivematerialsource"})
            m[s] = Enum(kMaterial);
        return m;
    }();
    return map;
}

bool FindValue(const Named* values, size_t count, const std::string& ident, uint32_t& out)
{
    std::string l = Lower(ident);
    for (size_t i = 0; i < count; ++i) {
        if (l == values[i].name) {
            out = values[i].value;
            return true;
        }
    }
    return false;
}

bool Resolve(const StateAssignment& a, const StateInfo& info, uint32_t& out, std::string& error)
{
    using V = StateAssignment::Value;
    if (a.valueKind == V::Number) {
        if (info.kind == Kind::Float) {
            float f = static_cast<float>(a.number);
            std::memcpy(&out, &f, sizeof out);
            return true;
        }
        if (a.number < -2147483648.0 || a.number > 4294967295.0 || a.number != std::floor(a.number)) {
            error = "invalid value for state '" + a.name + "'";
            return false;
        }
        out = a.number < 0 ? static_cast<uint32_t>(static_cast<int32_t>(a.number)) : static_cast<uint32_t>(a.number);
        return true;
    }
    if (a.valueKind == V::Ident) {
        if ((info.kind == Kind::Bool || info.kind == Kind::Dword) && FindValue(kBool, 2, a.ident, out)) return true;
        if (info.kind == Kind::Enum && FindValue(info.values, info.count, a.ident, out)) return true;
    }
    error = "invalid value for state '" + a.name + "'";
    return false;
}

// A sampler state given as a number must be one of its named values: the
// stand-in maps each name to a filter or address mode and has nothing to
// map any other number to.
bool ResolveListed(const StateAssignment& a, const StateInfo& info, uint32_t& out, std::string& error)
{
    if (!Resolve(a, info, out, error)) return false;
    for (size_t i = 0; i < info.count; ++i)
        if (info.values[i].value == out) return true;
    error = "invalid value for state '" + a.name + "'";
    return false;
}

}  // namespace

std::string Lower(const std::string& s)
{
    std::string l = s;
    for (char& c : l)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return l;
}

StateClass PassStateClass(const std::string& name)
{
    std::string l = Lower(name);
    if (l == "pixelshader" || l == "vertexshader") return StateClass::Shader;
    if (RenderStates().count(l)) return StateClass::Render;
    static const char* const kIgnored[] = {
        "texture", "sampler", "minfilter", "magfilter", "mipfilter", "addressu", "addressv", "addressw",
        "bordercolor", "maxanisotropy", "mipmaplodbias", "maxmiplevel", "srgbtexture", "elementindex",
        "dmapoffset", "colorop", "colorarg0", "colorarg1", "colorarg2", "alphaop", "alphaarg0", "alphaarg1",
        "alphaarg2", "resultarg", "bumpenvmat00", "bumpenvmat01", "bumpenvmat10", "bumpenvmat11",
        "bumpenvlscale", "bumpenvloffset", "texcoordindex", "texturetransformflags", "constant", "fvf",
        "worldtransform", "viewtransform", "projectiontransform", "texturetransform", "vertexshaderconstant",
        "vertexshaderconstantf", "vertexshaderconstantb", "vertexshaderconstanti", "vertexshaderconstant1",
        "vertexshaderconstant2", "vertexshaderconstant3", "vertexshaderconstant4", "pixelshaderconstant",
        "pixelshaderconstantf", "pixelshaderconstantb", "pixelshaderconstanti", "pixelshaderconstant1",
        "pixelshaderconstant2", "pixelshaderconstant3", "pixelshaderconstant4", "lightenable", "lighttype",
        "lightdiffuse", "lightspecular", "lightambient", "lightposition", "lightdirection", "lightrange",
        "lightfalloff", "lightattenuation0", "lightattenuation1", "lightattenuation2", "lighttheta", "lightphi",
        "materialdiffuse", "materialambient", "materialspecular", "materialemissive", "materialpower",
        "clipplane"};
    for (const char* s : kIgnored)
        if (l == s) return StateClass::Ignored;
    return StateClass::Unknown;
}

bool RenderStateValue(const StateAssignment& a, RenderState& state, std::string& error)
{
    std::string l = Lower(a.name);
    auto it = RenderStates().find(l);
    if (it == RenderStates().end()) {
        error = "unrecognized render state '" + a.name + "'";
        return false;
    }
    state.name = l;
    return Resolve(a, it->second, state.value, error);
}

bool ApplySamplerState(const StateAssignment& a, SamplerDesc& desc, std::string& error)
{
    std::string l = Lower(a.name);
    uint32_t v = 0;
    if (l == "minfilter" || l == "magfilter" || l == "mipfilter") {
        if (!ResolveListed(a, Enum(kFilter), v, error)) return false;
        Filter f = v == 0 ? Filter::None : v == 1 ? Filter::Point : v == 2 ? Filter::Linear : Filter::Anisotropic;
        (l == "minfilter" ? desc.minFilter : l == "magfilter" ? desc.magFilter : desc.mipFilter) = f;
        return true;
    }
    if (l == "addressu" || l == "addressv" || l == "addressw") {
        if (!ResolveListed(a, Enum(kAddress), v, error)) return false;
        Address ad = v == 1 ? Address::Wrap : v == 2 ? Address::Mirror : v == 3 ? Address::Clamp
                   : v == 4 ? Address::Border : Address::MirrorOnce;
        (l == "addressu" ? desc.addressU : l == "addressv" ? desc.addressV : desc.addressW) = ad;
        return true;
    }
    if (l == "bordercolor") {
        if (!Resolve(a, StateInfo{Kind::Dword}, v, error)) return false;
        desc.borderColor = v;
        return true;
    }
    if (l == "maxanisotropy" || l == "maxmiplevel" || l == "srgbtexture" || l == "elementindex" ||
        l == "dmapoffset")
        return Resolve(a, StateInfo{Kind::Dword}, v, error);
    if (l == "mipmaplodbias") return Resolve(a, StateInfo{Kind::Float}, v, error);
    error = "unrecognized sampler state '" + a.name + "'";
    return false;
}

}  // namespace hlsl
