# cmake -DTABLE_SCRIPT=cmake/text_table.cmake -DWORK=dir -P text_table_test.cmake
# A catalogue's escaped markup, quotes and semicolons come out of the table as the characters
# they stand for.
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/entities.ts" [=[<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>a;b</name>
    <message>
        <source>„%1“ &lt;b&gt;x&lt;/b&gt; [1]</source>
        <translation>&quot;%1&quot; it&apos;s &lt;b&gt;x&lt;/b&gt; &amp; y; [1]</translation>
    </message>
</context>
</TS>
]=])
execute_process(COMMAND ${CMAKE_COMMAND} -DTS=${WORK}/entities.ts -DOUT=${WORK}/entities.inc
                        -P ${TABLE_SCRIPT} RESULT_VARIABLE failed)
file(READ "${WORK}/entities.inc" table)
set(expected [=[{"a;b", "„%1“ <b>x</b> [1]", "\"%1\" it's <b>x</b> & y; [1]"},]=])
string(FIND "${table}" "${expected}" at)
if(failed OR at EQUAL -1)
  message(FATAL_ERROR "expected ${expected}\nin ${table}")
endif()
