#pragma once
// Included twice by preprocessor.fx; #pragma once keeps the second from
// redefining CommonValue. Includes a file relative to this folder.
#include "nested.fxh"

float CommonValue()
{
    return NESTED_VALUE;
}
