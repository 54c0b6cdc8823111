# Command-line behaviour of fx2glsl: exit codes, diagnostics on standard
# error and one TECHNIQUE.PASS.frag per pass.
#   -DFX2GLSL=... -DCASES=dir -DOUT=dir
file(REMOVE_RECURSE ${OUT})
set(failures "")

function(expect_run want_rc)
  execute_process(COMMAND ${FX2GLSL} ${ARGN} WORKING_DIRECTORY ${CASES}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL want_rc)
    string(JOIN " " args ${ARGN})
    set(failures "${failures}fx2glsl ${args}: exit ${rc}, expected ${want_rc}\n${err}\n" PARENT_SCOPE)
  endif()
  set(last_out "${out}" PARENT_SCOPE)
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

# Usage errors.
expect_run(2)
expect_run(2 a.fx b.fx)
expect_run(2 multipass.fx -o)
expect_run(2 multipass.fx --bogus)

# A missing file is an error, not a usage error.
expect_run(1 no_such_file.fx)
if(NOT last_err MATCHES "no_such_file.fx")
  set(failures "${failures}missing file: message does not name it: ${last_err}\n")
endif()

# Good effect: nothing on standard output, files named technique.pass.
expect_run(0 multipass.fx -o ${OUT}/good)
if(NOT last_out STREQUAL "")
  set(failures "${failures}fx2glsl wrote to standard output: ${last_out}\n")
endif()
foreach(f Twice.First Twice.Second Once.Only)
  if(NOT EXISTS ${OUT}/good/${f}.frag)
    set(failures "${failures}missing ${OUT}/good/${f}.frag\n")
  endif()
endforeach()

# An output folder that cannot be made is an error.
expect_run(1 multipass.fx -o multipass.fx/sub)

# Warnings alone: exit 0, warning printed.
expect_run(0 x3206_truncation.fx)
if(NOT last_err MATCHES "x3206_truncation\\.fx\\([0-9]+,[0-9]+\\): warning X3206: ")
  set(failures "${failures}warning not printed as file(line,col): warning X3206: ...\n${last_err}\n")
endif()

# Errors: exit 1, no files, diagnostics in file(line,col) form.
expect_run(1 x3004_undeclared.fx -o ${OUT}/bad)
if(NOT last_err MATCHES "x3004_undeclared\\.fx\\([0-9]+,[0-9]+\\): error X3004: ")
  set(failures "${failures}error not printed as file(line,col): error X3004: ...\n${last_err}\n")
endif()
file(GLOB written ${OUT}/bad/*.frag)
if(written)
  set(failures "${failures}shaders written for an effect with errors: ${written}\n")
endif()

# Passes whose files would share a name: refused, not overwritten.
file(WRITE ${OUT}/twice.fx "float4 M() : COLOR0 { return 1; }
technique T { pass P { PixelShader = compile ps_2_0 M(); } }
technique T { pass P { PixelShader = compile ps_2_0 M(); } }
")
expect_run(1 ${OUT}/twice.fx -o ${OUT}/twice)

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
