# Writes the sections help2man adds to brisklane-calc(1): each calculator's options, taken from
# its own --help, the charts, the files and the exit status.
#   cmake -DCALC=<brisklane-calc> -DOUT=<file> -P calc_manpage.cmake
execute_process(COMMAND ${CALC} --help OUTPUT_VARIABLE help ERROR_VARIABLE help RESULT_VARIABLE status)
string(REGEX MATCH "Calculators:\n(.*)\n\n" listed "${help}")
string(REGEX MATCHALL "\n  [a-z0-9]+ " names "\n${CMAKE_MATCH_1}")
set(text "[SYNOPSIS]\n.B brisklane\\-calc\n.I calculator\n[\\fIoptions\\fR] [\\fB\\-\\-format\\fR text|csv|json] [\\fB\\-\\-printout\\fR \\fIFILE\\fR] [\\fB\\-\\-header\\fR \\fITEXT\\fR] [\\fB\\-\\-settings\\fR \\fIFILE\\fR]\n.br\n.B brisklane\\-calc chart\n.I calculator\n[\\fIoptions\\fR] [\\fB\\-\\-kind\\fR 1..7] \\fB\\-\\-output\\fR \\fIFILE\\fR\n.br\n.B brisklane\\-calc\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n\n[CALCULATORS]\n")
foreach(entry ${names})
    string(STRIP "${entry}" name)
    execute_process(COMMAND ${CALC} ${name} --help OUTPUT_VARIABLE options ERROR_VARIABLE options)
    # The options after the shared ones, as the calculator lists them.
    string(REGEX REPLACE "^.*--settings <FILE>[^\n]*\n([ ]+[^ -][^\n]*\n)*" "" own "${options}")
    string(REGEX MATCH "\n[^\n]*\n" summary "${options}")
    string(STRIP "${summary}" summary)
    string(REPLACE "\\" "\\\\" own "${own}")
    string(REPLACE "-" "\\-" own "${own}")
    string(APPEND text ".SS ${name}\n${summary}\n.PP\n.nf\n${own}.fi\n")
endforeach()
string(APPEND text "
[FORMATS]
\\fB\\-\\-format text\\fR (the default) writes the table in aligned columns; \\fBcsv\\fR writes it as
comma-separated values under the column names; \\fBjson\\fR writes the summary figures, the rows as
objects keyed by the column names and the totals. Figures are plain decimals, dates ISO 8601.
\\fB\\-\\-printout\\fR writes the calculator's printout: a PDF for a name ending in .pdf, otherwise
plain text pages separated by form feeds.

[FILES]
.TP
.I ~/.local/share/Brisklane/Personal.zkp
The personal settings (currency symbol, printer font), unless \\fB\\-\\-settings\\fR names another file.
.TP
.IR *.umd \", \" *.uld
Mortgage and personal loan inputs, read by \\fB\\-\\-load\\fR and written by \\fB\\-\\-save\\fR.
.TP
.I *.zrk
A value database, read and written by \\fBvaluedb\\fR.

[EXIT STATUS]
.TP
.B 0
The command succeeded.
.TP
.B 2
A wrong option or figure, a file that cannot be read or written, or output that cannot be written;
the message (with its number, and the option at fault where there is one) is on standard error, and
nothing is written.

[SEE ALSO]
.BR brisklane (1)
")
file(WRITE ${OUT} "${text}")
