if(NOT TOBREL_GUI OR NOT TARGET tobrel_shell)
    return()
endif()

# Run under a display (xvfb-run -a build/bench/gui_bench) or with QT_QPA_PLATFORM=offscreen.
add_executable(gui_bench ${CMAKE_CURRENT_LIST_DIR}/gui_bench.cpp)
target_link_libraries(gui_bench PRIVATE tobrel_shell benchmark::benchmark)
