# Draws the keyboard chart of a layout file as a PNG picture:
#   cmake -DCLI=tessik-cli -DLAYOUT=file -DSVG=chart.svg -DPNG=chart.png
#         -DRSVG_CONVERT=rsvg-convert -P draw-layout-chart.cmake
# The SVG that tessik-cli writes is kept beside the picture.
execute_process(COMMAND ${CLI} layout chart ${LAYOUT}
    OUTPUT_FILE ${SVG} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "tessik-cli layout chart ${LAYOUT} failed: ${status}")
endif()
# Twice the size of the drawing, sharp enough to print.
execute_process(COMMAND ${RSVG_CONVERT} --zoom 2 --output ${PNG} ${SVG} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "rsvg-convert ${SVG} failed: ${status}")
endif()
