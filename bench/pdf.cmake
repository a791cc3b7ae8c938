if(NOT TOBREL_GUI OR NOT TARGET tobrel_pdf)
    return()
endif()

add_executable(pdf_bench ${CMAKE_CURRENT_LIST_DIR}/pdf_bench.cpp)
target_link_libraries(pdf_bench PRIVATE tobrel_pdf benchmark::benchmark)
