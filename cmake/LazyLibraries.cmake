# tw_lazy_libraries(<target> PREFIX <c-name> LIBRARIES <path-to-.so>...)
#
# Makes <target>, a static library that stands in for the given shared
# libraries: every function they export gets a hidden stub of the same name
# here, and the first call of any stub opens the libraries (by their sonames)
# and points every stub at the real function. A program linked with it loads
# the libraries only once it first uses them, not while it starts.
#
# Worth it for libraries whose loading is a large share of the start-up (the
# decoder libraries pull in some 150 more), and only for functions: a data
# symbol of the libraries stays unresolved at link time. That also guards the
# one way a stub could differ from the real function, its address: a Qt
# signal connected by member pointer is found by address, and such a connect
# (or a qobject_cast) names the class's staticMetaObject, which fails to link.
# The stubs are x86-64 machine code; on other processors the caller links the
# libraries as usual.
function(tw_lazy_libraries target)
  cmake_parse_arguments(TW "" "PREFIX" "LIBRARIES" ${ARGN})
  set(p ${TW_PREFIX})
  set(names)
  set(sonames)
  foreach(lib IN LISTS TW_LIBRARIES)
    execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${lib} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
    string(REGEX MATCH "SONAME +([^\n ]+)" m "${dump}")
    if(NOT rc EQUAL 0 OR NOT CMAKE_MATCH_1)
      message(FATAL_ERROR "${target}: no soname in ${lib}")
    endif()
    list(APPEND sonames ${CMAKE_MATCH_1})
    execute_process(COMMAND ${CMAKE_NM} -D --defined-only ${lib} OUTPUT_VARIABLE syms RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "${target}: cannot list the symbols of ${lib}")
    endif()
    string(REPLACE "\n" ";" syms "${syms}")
    foreach(line IN LISTS syms)
      # "<address> T name@@VERSION": functions only (T, i). Weak ones (W)
      # are left out: an inline function the library happens to export would
      # otherwise win over the copies in our own objects, and its first call
      # would load the library.
      if(line MATCHES "^[0-9a-fA-F]+ [Ti] ([A-Za-z_][A-Za-z0-9_]*)(@.*)?$")
        list(APPEND names ${CMAKE_MATCH_1})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(LENGTH names count)

  set(stubs "")
  set(slots "")
  set(strings "")
  set(i 0)
  foreach(n IN LISTS names)
    math(EXPR offset "${i} * 8")
    string(APPEND stubs
      "\"  .globl ${n}\\n  .hidden ${n}\\n  .type ${n}, @function\\n${n}:\\n\"\n"
      "\"  jmp *${p}_slots+${offset}(%rip)\\n.L${p}_first_${i}:\\n\"\n"
      "\"  movl $${i}, %r11d\\n  jmp ${p}_enter\\n  .size ${n}, .-${n}\\n\"\n")
    string(APPEND slots "\"  .quad .L${p}_first_${i}\\n\"\n")
    string(APPEND strings "    \"${n}\",\n")
    math(EXPR i "${i} + 1")
  endforeach()
  set(libs "")
  foreach(s IN LISTS sonames)
    string(APPEND libs "    \"${s}\",\n")
  endforeach()

  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}.c)
  file(WRITE ${out}.in "/* Made by tw_lazy_libraries (cmake/LazyLibraries.cmake); do not edit. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>

static const char* const ${p}_libraries[] = {
${libs}    0
};
static const char* const ${p}_names[${count}] = {
${strings}};

extern void* ${p}_slots[${count}];
void ${p}_load(void) __attribute__((visibility(\"hidden\")));

static void ${p}_open(void)
{
    enum { kMax = 32 };
    void* handles[kMax];
    int opened = 0;
    for (int i = 0; ${p}_libraries[i] && opened < kMax; ++i) {
        void* h = dlopen(${p}_libraries[i], RTLD_NOW | RTLD_GLOBAL);
        if (!h) {
            fprintf(stderr, \"cannot load %s: %s\\n\", ${p}_libraries[i], dlerror());
            abort();
        }
        handles[opened++] = h;
    }
    for (int k = 0; k < ${count}; ++k) {
        void* f = 0;
        for (int i = 0; i < opened && !f; ++i)
            f = dlsym(handles[i], ${p}_names[k]);
        if (!f) {
            fprintf(stderr, \"cannot find %s in the loaded libraries\\n\", ${p}_names[k]);
            abort();
        }
        __atomic_store_n(&${p}_slots[k], f, __ATOMIC_RELEASE);
    }
}

void ${p}_load(void)
{
    static pthread_once_t once = PTHREAD_ONCE_INIT;
    pthread_once(&once, ${p}_open);
}

/* Each stub jumps through its slot; a slot first leads to the loader, which
   keeps every argument register (vector ones too, for floating-point and
   variadic calls) and then goes on to the real function. */
__asm__(
\"  .text\\n\"
\"  .p2align 4\\n\"
\"${p}_enter:\\n\"
\"  pushq %rbp\\n  movq %rsp, %rbp\\n\"
\"  pushq %rdi\\n  pushq %rsi\\n  pushq %rdx\\n  pushq %rcx\\n  pushq %r8\\n  pushq %r9\\n  pushq %rax\\n  pushq %r11\\n\"
\"  subq $128, %rsp\\n\"
\"  movdqu %xmm0, 0(%rsp)\\n  movdqu %xmm1, 16(%rsp)\\n  movdqu %xmm2, 32(%rsp)\\n  movdqu %xmm3, 48(%rsp)\\n\"
\"  movdqu %xmm4, 64(%rsp)\\n  movdqu %xmm5, 80(%rsp)\\n  movdqu %xmm6, 96(%rsp)\\n  movdqu %xmm7, 112(%rsp)\\n\"
\"  call ${p}_load\\n\"
\"  movdqu 0(%rsp), %xmm0\\n  movdqu 16(%rsp), %xmm1\\n  movdqu 32(%rsp), %xmm2\\n  movdqu 48(%rsp), %xmm3\\n\"
\"  movdqu 64(%rsp), %xmm4\\n  movdqu 80(%rsp), %xmm5\\n  movdqu 96(%rsp), %xmm6\\n  movdqu 112(%rsp), %xmm7\\n\"
\"  addq $128, %rsp\\n\"
\"  popq %r11\\n  popq %rax\\n  popq %r9\\n  popq %r8\\n  popq %rcx\\n  popq %rdx\\n  popq %rsi\\n  popq %rdi\\n\"
\"  popq %rbp\\n\"
\"  leaq ${p}_slots(%rip), %r10\\n\"
\"  jmp *(%r10,%r11,8)\\n\"
${stubs}\"  .data\\n\"
\"  .p2align 3\\n\"
\"  .globl ${p}_slots\\n  .hidden ${p}_slots\\n\"
\"${p}_slots:\\n\"
${slots}\"  .text\\n\"
);
")
  # Rewritten only when it changed, so a new configure rebuilds nothing.
  configure_file(${out}.in ${out} COPYONLY)
  add_library(${target} STATIC ${out})
  target_link_libraries(${target} PUBLIC ${CMAKE_DL_LIBS} Threads::Threads)
endfunction()
