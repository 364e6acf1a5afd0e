# The hardening Debian builds its packages with: an overflow that a checked libc
# call or the stack guard sees stops the program, and the relocations turn
# read-only once it has started (all symbols bound at load).
# _FORTIFY_SOURCE checks nothing without optimisation (and glibc warns then);
# some compilers define it already, at another level. Under the sanitizers the
# checked libc calls would only hide what AddressSanitizer reports better.
if(NOT VOLTARIS_SANITIZE)
  add_compile_options(-fstack-protector-strong
    "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
