# The committed icon sizes are what tools/icon_sizes renders from the committed icon:
# an icon drawn anew without `--target icon_sizes_asset` leaves them stale.
if(TARGET icon_sizes)
  add_test(NAME icon_sizes_are_current
    COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:icon_sizes> -DASSETS=${PROJECT_SOURCE_DIR}/assets
            -DOUT=${CMAKE_CURRENT_BINARY_DIR}/icon_sizes "-DSIZES=${WNL_ICON_SIZES}"
            -P ${CMAKE_CURRENT_LIST_DIR}/icon_sizes/check.cmake)
endif()
