# The icon and the melody that tools/make_icon and tools/make_melody made, as embedded.
if(TARGET wnl_assets AND TARGET runtime_sound)
  wnl_add_test(assets_test SOURCES assets/assets_test.cpp LIBS wnl_assets runtime_sound)
  target_compile_definitions(assets_test PRIVATE WNL_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
endif()
