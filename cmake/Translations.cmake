# Every text a person sees is marked for translation in the sources. translations/zendra98.ts is the template a
# translator starts from, extracted from them by `cmake --build build --target update_translations`; without line
# numbers, so that it changes only when a text does. Each translations/zendra98_<locale>.ts beside it is compiled
# into the program's translations folder, where the program looks for the user's language.
set(ZENDRA_TS_TEMPLATE "${PROJECT_SOURCE_DIR}/translations/zendra98.ts")
set(ZENDRA_LUPDATE_ARGUMENTS "${PROJECT_SOURCE_DIR}/src" -no-obsolete -locations none -source-language en -silent -ts)
add_custom_target(update_translations COMMAND Qt6::lupdate ${ZENDRA_LUPDATE_ARGUMENTS} "${ZENDRA_TS_TEMPLATE}" VERBATIM)

file(GLOB zendra_translations CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/zendra98_*.ts")
set(zendra_compiled_translations)
foreach(source IN LISTS zendra_translations)
    get_filename_component(name "${source}" NAME_WE)
    set(compiled "${ZENDRA_STAGE_DIR}/translations/${name}.qm")
    add_custom_command(OUTPUT "${compiled}" COMMAND Qt6::lrelease -silent "${source}" -qm "${compiled}"
        DEPENDS "${source}" VERBATIM)
    list(APPEND zendra_compiled_translations "${compiled}")
    install(FILES "${compiled}" DESTINATION "${ZENDRA_INSTALL_SHIPPEDDIR}/translations")
endforeach()
add_custom_target(zendra_translations ALL DEPENDS ${zendra_compiled_translations})
add_dependencies(zendra98 zendra_translations)
