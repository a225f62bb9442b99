# Installs the build into a fresh folder and checks that a desktop finds the game
# there: the program, its desktop entry and its icon.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/tarvelon2000 share/applications/tarvelon2000.desktop
             share/icons/hicolor/32x32/apps/tarvelon2000.png
             share/icons/hicolor/64x64/apps/tarvelon2000.png
             share/icons/hicolor/128x128/apps/tarvelon2000.png)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/tarvelon2000.desktop" entry)
foreach(line "Exec=tarvelon2000" "Icon=tarvelon2000" "Type=Application")
    string(FIND "${entry}" "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()
