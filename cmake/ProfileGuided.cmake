# The optimised build of g++ is guided by a profile of the program's own pairing runs. The search
# spends nearly all of a run in a few branches whose odds the compiler cannot know, such as which
# bound rejects a move; measured counts tell it which way each goes and what to lay out together.
#
# A first build of the same sources, instrumented, pairs the golden tournaments of 201 and 1000
# participants in <build>/profile-training; the program is then compiled with the counts it wrote to
# <build>/profile. Both builds name the counts of an object by its path below their own folder, so
# the second finds the first's. The profile changes no arithmetic: the pairings stay the same bytes.

include(ExternalProject)
include(ProcessorCount)
ProcessorCount(jobs)
if(jobs EQUAL 0) # unknown
    set(jobs 1)
endif()

set(VANTOR_PROFILE_DIR ${CMAKE_BINARY_DIR}/profile)
set(training_dir ${CMAKE_BINARY_DIR}/profile-training)
set(training_inputs ${CMAKE_SOURCE_DIR}/tests/golden/seed0-201/input.pgn
                    ${CMAKE_SOURCE_DIR}/tests/golden/field-1000/input.pgn)
set(trained_stamp ${VANTOR_PROFILE_DIR}/trained)

ExternalProject_Add(vantor_instrumented
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${training_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
               -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
               "-DCMAKE_CXX_FLAGS=${CMAKE_CXX_FLAGS} -fprofile-generate=${VANTOR_PROFILE_DIR} -fprofile-update=single -fprofile-prefix-path=${training_dir}"
               "-DCMAKE_CXX_FLAGS_RELEASE=${CMAKE_CXX_FLAGS_RELEASE}"
               -DVANTOR_PROFILE_GUIDED=OFF -DVANTOR_BUILD_TESTS=OFF
    # Only the program, in as many jobs as processors, outside the jobs of the build around it.
    BUILD_COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS
                  ${CMAKE_COMMAND} --build ${training_dir} --target vantor --parallel ${jobs}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${training_dir}/vantor
    INSTALL_COMMAND "")

# The counts are taken afresh whenever the instrumented program or a training input changes.
add_custom_command(
    OUTPUT ${trained_stamp}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${VANTOR_PROFILE_DIR}
    COMMAND ${CMAKE_COMMAND} -Dprogram=${training_dir}/vantor "-Dinputs=${training_inputs}"
            -Doutput=${training_dir}/round.pgn -P ${CMAKE_CURRENT_LIST_DIR}/TrainProfile.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${trained_stamp}
    DEPENDS vantor_instrumented ${training_dir}/vantor ${training_inputs}
            ${CMAKE_CURRENT_LIST_DIR}/TrainProfile.cmake
    COMMENT "Pairing the golden tournaments to profile the search"
    VERBATIM)
add_custom_target(vantor_profile DEPENDS ${trained_stamp})

# The program and its library are compiled with the counts, and again whenever they are taken anew.
# Code the training never ran (the reports, for instance) is optimised as without a profile.
set(profile_use_options -fprofile-use=${VANTOR_PROFILE_DIR} -fprofile-partial-training
                        -fprofile-prefix-path=${CMAKE_BINARY_DIR} -Wno-missing-profile)
foreach(target vantor_core vantor)
    target_compile_options(${target} PRIVATE ${profile_use_options})
    add_dependencies(${target} vantor_profile)
    get_target_property(sources ${target} SOURCES)
    set_source_files_properties(${sources} PROPERTIES OBJECT_DEPENDS ${trained_stamp})
endforeach()
