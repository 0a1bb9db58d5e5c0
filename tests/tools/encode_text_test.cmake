cmake_minimum_required(VERSION 3.25)
# Runs the story text encoder on small sources and checks what it writes and what it says.
# Called by CTest with -DENCODE_TEXT=<the tool> -DWORK=<a scratch folder>.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_equal what actual expected)
    if(NOT "${actual}" STREQUAL "${expected}")
        message(SEND_ERROR "${what}:\n  got      '${actual}'\n  expected '${expected}'")
    endif()
endfunction()

# A source the tool must refuse: the exit status, the message, and no output file.
function(expect_refused name content message)
    file(WRITE ${WORK}/${name}.txt "${content}")
    execute_process(COMMAND ${ENCODE_TEXT} ${WORK}/${name}.txt ${WORK}/${name}.tf
        RESULT_VARIABLE status ERROR_VARIABLE said)
    expect_equal("${name}: exit status" "${status}" "1")
    expect_equal("${name}: message" "${said}" "${WORK}/${name}.txt:${message}\n")
    if(EXISTS ${WORK}/${name}.tf)
        message(SEND_ERROR "${name}: an output file was written")
    endif()
endfunction()

# A source the tool must encode: the exact bytes, in hex.
function(expect_encoded name content hex)
    file(WRITE ${WORK}/${name}.txt "${content}")
    execute_process(COMMAND ${ENCODE_TEXT} ${WORK}/${name}.txt ${WORK}/${name}.tf
        RESULT_VARIABLE status ERROR_VARIABLE said)
    expect_equal("${name}: exit status" "${status}" "0")
    expect_equal("${name}: message" "${said}" "")
    file(READ ${WORK}/${name}.tf bytes HEX)
    expect_equal("${name}: bytes" "${bytes}" "${hex}")
endfunction()

# An arrow in the middle of the second paragraph (the dash before it is in the code page).
expect_refused(arrow "Первая — строка\nВторая → строка\n"
    "2:8: character U+2192 \"→\" is outside Windows-1251")
# A character beyond the 16-bit plane counts as one column.
expect_refused(astral "ok\nab😀c\n"
    "2:3: character U+1F600 \"😀\" is outside Windows-1251")
# Columns count characters, not bytes: the Cyrillic before the bad one take two bytes each.
expect_refused(after_cyrillic "ЖЖЖä\n"
    "1:4: character U+00E4 \"ä\" is outside Windows-1251")
expect_refused(carriage_return "a\r\nb\n" "0: holds a CR: sources use LF line ends")

# Windows-1251 bytes, CR LF after every line (the last one too), an empty line kept.
expect_encoded(paragraphs "Да\n\nёЁ№ end"
    "c4e00d0a0d0ab8a8b920656e640d0a")
expect_encoded(final_newline "Я\n" "df0d0a")
expect_encoded(empty "" "")
