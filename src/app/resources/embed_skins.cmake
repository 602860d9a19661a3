# Writes the main form's description with the stored skins in it: the form
# as written by hand, then the skin store (both packed skins) and the skin
# data component (starting with the yellow skin), then the form's final end.
# cmake -DFORM= -DTEMPLATE= -DBLUE= -DYELLOW= -DOUT= -P embed_skins.cmake

function(hex_block file indent out)
  file(READ ${file} hex HEX)
  string(TOUPPER "${hex}" hex)
  string(REGEX REPLACE "([0-9A-F]{64})" "\\1\n${indent}" hex "${hex}")
  string(REGEX REPLACE "\n${indent}$" "" hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

# The 4-byte little-endian length that precedes the image in "SkinStream".
function(length_prefix file out)
  file(SIZE ${file} size)
  set(bytes "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" byte "${byte}")
    string(LENGTH "${byte}" n)
    if(n EQUAL 1)
      set(byte "0${byte}")
    endif()
    string(TOUPPER "${byte}" byte)
    string(APPEND bytes "${byte}")
  endforeach()
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

hex_block(${BLUE} "          " BLUE_HEX)
hex_block(${YELLOW} "          " YELLOW_HEX)
length_prefix(${YELLOW} prefix)
hex_block(${YELLOW} "      " yellow_stream)
set(SKINSTREAM_HEX "${prefix}\n      ${yellow_stream}")
file(READ ${TEMPLATE} components)
string(CONFIGURE "${components}" components @ONLY)

file(READ ${FORM} form)
# Everything up to the root object's closing "end" (the file's last line).
string(REGEX REPLACE "end[ \t\r\n]*$" "" form "${form}")
file(WRITE ${OUT} "${form}${components}end\n")
