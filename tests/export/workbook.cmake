# The balance sheet exported by the console driver and read back without the library that wrote
# it: CMake unpacks the workbook, and the sheet's XML must hold the typed and the computed amounts
# as numbers in the cells where the screen shows them, the line names as text beside them.
set(work ${CMAKE_CURRENT_BINARY_DIR}/export-workbook)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/unpacked)
file(WRITE ${work}/script "open Form62
type Form62.Text2 100
type Form62.Text3 1,000
type Form62.Text167 货币资金（含备用金）
click Form62.Command1
click Form62.Command3
export Form62 ${work}/Form62.xlsx
")
execute_process(COMMAND ${CLI} ${work}/script OUTPUT_VARIABLE printed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "fincalc-cli failed:\n${printed}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${work}/Form62.xlsx WORKING_DIRECTORY ${work}/unpacked
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the workbook is not a zip archive")
endif()
file(READ ${work}/unpacked/xl/worksheets/sheet1.xml sheet)
file(READ ${work}/unpacked/xl/sharedStrings.xml strings)

# Row 4 is the first asset line (a caption row, the column headings, "流动资产："): B and C its two
# amounts; row 15 the current assets total the worksheet computed.
foreach(cell B4=100 B5=1000 B15=1100)
  string(REPLACE "=" ";" pair ${cell})
  list(GET pair 0 where)
  list(GET pair 1 value)
  if(NOT sheet MATCHES "<c r=\"${where}\"( s=\"[0-9]+\")?><v>${value}</v></c>")
    message(FATAL_ERROR "cell ${where} does not hold the number ${value}:\n${sheet}")
  endif()
endforeach()
# Shared strings: the renamed line, a column heading, an analysis line of the output below.
foreach(text 货币资金（含备用金） 年初数 年初流动比率)
  if(NOT strings MATCHES "<t>${text}</t>")
    message(FATAL_ERROR "the workbook lacks the text ${text}:\n${strings}")
  endif()
endforeach()
if(NOT sheet MATCHES "<c r=\"A4\" t=\"s\">")
  message(FATAL_ERROR "the line name in A4 is not text:\n${sheet}")
endif()
