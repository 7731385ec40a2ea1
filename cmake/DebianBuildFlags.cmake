# SPDX-License-Identifier: GPL-3.0-or-later
# Release builds on Debian and its derivatives get the hardening that Debian gives its own
# packages: the flags dpkg-buildflags names with every hardening feature asked for (stack
# protector, source fortification, read-only relocations, immediate binding; the compiler
# already makes position-independent programs). The build type keeps its own optimisation
# level and debugging information, so -O and -g are left out. Elsewhere (other systems,
# cross builds, sanitizer builds, no dpkg-buildflags) nothing changes.
option(OSSARION_DEBIAN_BUILDFLAGS "Release builds take Debian's hardening flags from dpkg-buildflags" ON)

function(ossarion_debian_buildflags)
    if(NOT OSSARION_DEBIAN_BUILDFLAGS OR OSSARION_SANITIZE OR CMAKE_CROSSCOMPILING
       OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        return()
    endif()
    find_program(OSSARION_DPKG_BUILDFLAGS dpkg-buildflags)
    if(NOT OSSARION_DPKG_BUILDFLAGS)
        return()
    endif()
    set(found)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        # From the source folder, so that the file prefix map it names makes paths relative
        # to the sources, whoever builds where.
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${OSSARION_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(WARNING "dpkg-buildflags --get ${kind} failed (${status}): no hardening flags")
            return()
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g[0-9]*|O.*)$")
        set(${kind} ${flags})
        list(APPEND found ${flags})
    endforeach()
    add_compile_options("$<$<CONFIG:Release>:${CPPFLAGS};${CXXFLAGS}>")
    add_link_options("$<$<CONFIG:Release>:${LDFLAGS}>")
    list(JOIN found " " found)
    message(STATUS "Release builds take Debian's hardening flags: ${found}")
endfunction()
ossarion_debian_buildflags()
