# The picture-information test starts the Pelquist stand-in from its build folder.
add_dependencies(test_printlist Pelquist)
target_compile_definitions(test_printlist PRIVATE PELQUIST_DIR="$<TARGET_FILE_DIR:Pelquist>")
