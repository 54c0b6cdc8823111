// Used by pp_include_error.fx: the error is reported in this file.
float Broken()
{
    return missingName;
}
