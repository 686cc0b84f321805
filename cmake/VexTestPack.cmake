# A small German language pack for the tests and the start-up benchmark, compiled from
# tests/support/TestPack.DEU.ts: target vex_test_pack, file VEX_TEST_PACK.
set(VEX_TEST_PACK ${PROJECT_BINARY_DIR}/TestPack.DEU.qm)
if(NOT TARGET vex_test_pack)
    set(source ${PROJECT_SOURCE_DIR}/tests/support/TestPack.DEU.ts)
    add_custom_command(OUTPUT ${VEX_TEST_PACK}
        COMMAND Qt6::lrelease -silent ${source} -qm ${VEX_TEST_PACK}
        DEPENDS ${source} Qt6::lrelease
        VERBATIM)
    add_custom_target(vex_test_pack DEPENDS ${VEX_TEST_PACK})
endif()
