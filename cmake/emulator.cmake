# A build for another processor runs its tests under qemu-user, named after
# the processor of the Debian multiarch triplet (aarch64-linux-gnu, say) as
# qemu names it: the same, but for powerpc64le. Where it is missing, the
# bare name stays, and the tests' check of their tools names its package.
function(hello_emulator var multiarch)
  string(REGEX REPLACE "-.*" "" cpu "${multiarch}")
  string(REPLACE powerpc64le ppc64le cpu "${cpu}")
  find_program(emulator qemu-${cpu} NO_CACHE)
  if(NOT emulator)
    set(emulator qemu-${cpu})
  endif()
  set(${var} "${emulator}" PARENT_SCOPE)
endfunction()
