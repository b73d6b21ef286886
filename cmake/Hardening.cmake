# The hardening flags that Debian's dpkg-buildflags gives on amd64, set here so
# that every way of building gets them. The sanitizer build keeps its own flags.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)
include(CheckPIESupported)

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT REELMOOR_SANITIZE)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # Both exist only on some architectures (cf-protection on x86).
    foreach(flag -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "REELMOOR_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            add_compile_options(${flag})
        endif()
    endforeach()
    # Level 3 also checks copies into buffers whose size is known only at run
    # time, which is how this program's copies are; level 2 checks none of them.
    check_cxx_source_compiles("int main() { char b[2]; return __builtin_dynamic_object_size(b, 0); }"
                              REELMOOR_HAS_DYNAMIC_OBJECT_SIZE)
    if(REELMOOR_HAS_DYNAMIC_OBJECT_SIZE)
        set(fortify 3)
    else()
        set(fortify 2)
    endif()
    # Fortify works only with optimisation, which Debug builds lack.
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=${fortify}>")
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
