# Turns a plain-text file (the licence) into Qt rich text: blank lines separate paragraphs, the
# lines inside one are joined so that the text wraps to the window instead of to 80 columns.
# Usage: cmake -DINPUT=<text> -DOUTPUT=<html> -P PlainTextToHtml.cmake
file(READ "${INPUT}" text)
string(REPLACE "&" "&amp;" text "${text}")
string(REPLACE "<" "&lt;" text "${text}")
string(REPLACE ">" "&gt;" text "${text}")
string(REGEX REPLACE "^[ \t\n]+" "" text "${text}")
string(REGEX REPLACE "[ \t\n]+$" "" text "${text}")
string(REGEX REPLACE "\n[ \t]*\n[ \t\n]*" "@PARAGRAPH@" text "${text}")
string(REGEX REPLACE "\n[ \t]*" " " text "${text}")
string(REPLACE "@PARAGRAPH@" "</p>\n<p>" text "${text}")
file(WRITE "${OUTPUT}" "<html><body><p>${text}</p></body></html>\n")
