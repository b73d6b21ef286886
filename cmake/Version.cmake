# The program's two version strings, from major, minor and patch:
#   display: what the About box and --version show, "1.00" for 1.0.0;
#   package: what the package, the metainfo and the manual page carry. The
#            display form cannot serve there: 1.0.10 and 1.1.0 would both be
#            "1.10", and apt could not tell an upgrade.
function(reelmoor_versions major minor patch display_var package_var)
    math(EXPR padded "${minor} * 10 + ${patch}")
    if(padded LESS 10)
        set(padded "0${padded}")
    endif()
    set(${display_var} "${major}.${padded}" PARENT_SCOPE)
    set(${package_var} "${major}.${minor}.${patch}" PARENT_SCOPE)
endfunction()
