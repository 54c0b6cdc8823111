#include "generated_inputs.h"

namespace hlsltest {
namespace {

std::string Repeat(const std::string& s, int n)
{
    std::string r;
    r.reserve(s.size() * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

}  // namespace

bool GeneratedInput(const std::string& name, std::string& source)
{
    if (name == "deep_blocks.fx")  // 100k empty blocks, then a statement
        source = "float4 M() : COLOR0 { " + Repeat("{", 100000) + Repeat("}", 100000) + " return 1; }\n";
    else if (name == "deep_parens.fx")
        source = "float4 M() : COLOR0 { return " + Repeat("(", 100000) + "1" + Repeat(")", 100000) + "; }\n";
    else if (name == "deep_unary.fx")
        source = "float4 M() : COLOR0 { return " + Repeat("-", 200000) + "1; }\n";
    else if (name == "deep_if.fx")
        source = Repeat("#if 1\n", 50000) + Repeat("#endif\n", 50000);
    else if (name == "long_identifier.fx")
        source = "float " + std::string(1000000, 'a') + ";\n";
    else if (name == "many_errors.fx")
        source = "float4 M() : COLOR0 {\n" + Repeat("q = ;\n", 50000) + "}\n";
    else
        return false;
    return true;
}

}  // namespace hlsltest
