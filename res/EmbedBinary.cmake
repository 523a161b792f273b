# plovrin_embed_binary(<target> <input file> <include name>)
# Writes the input file's bytes, at build time, as a comma-separated list of numbers into
# <include name> in the current binary folder, for an array initialiser to #include; the target
# gets that folder on its include path and is rebuilt when the input changes.
function(plovrin_embed_binary target input include_name)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${include_name})
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DEMBED_INPUT=${input} -DEMBED_OUTPUT=${output}
                -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        DEPENDS ${input} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        COMMENT "Embedding ${include_name}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# Run as a script by the command above: the conversion itself.
if(CMAKE_SCRIPT_MODE_FILE AND DEFINED EMBED_INPUT)
    file(READ ${EMBED_INPUT} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    file(WRITE ${EMBED_OUTPUT} "${bytes}\n")
endif()
