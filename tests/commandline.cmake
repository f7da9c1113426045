# The command line, run on the built zorvexa with no display at all: the
# exit code is echoed after the output, so one expression judges both.
function(zorvexa_command_line_test name lang pattern)
  add_test(NAME commandline_${name}
    COMMAND sh -c "\"$0\" \"$@\" 2>&1; echo \"exit code $?\"" $<TARGET_FILE:zorvexa> ${ARGN})
  set_tests_properties(commandline_${name} PROPERTIES TIMEOUT 30 PASS_REGULAR_EXPRESSION "${pattern}"
    ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:;LC_ALL=unset:;LC_MESSAGES=unset:;LANG=set:${lang}")
endfunction()

zorvexa_command_line_test(help hu_HU.UTF-8 "^Használat: zorvexa .*--version .*\nexit code 0\n$" --help)
zorvexa_command_line_test(help_english en_US.UTF-8 "^Usage: zorvexa .*--version .*\nexit code 0\n$" -h)
zorvexa_command_line_test(version C.UTF-8 "^Zorvexa ${PROJECT_VERSION}\nSzerzői jog © 2026 Zorvexa fejlesztői\n.*\nexit code 0\n$" --version)
zorvexa_command_line_test(version_english en_US.UTF-8
  "^Zorvexa ${PROJECT_VERSION}\nCopyright © 2026 Zorvexa fejlesztői\n.*\nexit code 0\n$" --version)
zorvexa_command_line_test(unknown_option hu_HU.UTF-8
  "^zorvexa: ismeretlen kapcsoló: --no-such-option [^\n]*\nexit code 2\n$" --no-such-option)
zorvexa_command_line_test(no_display hu_HU.UTF-8 "^zorvexa: nincs grafikus kijelző[^\n]*DISPLAY[^\n]*\nexit code 1\n$")
# Wayland asked for by name needs a display server too.
zorvexa_command_line_test(no_display_wayland hu_HU.UTF-8 "^zorvexa: nincs grafikus kijelző[^\n]*\nexit code 1\n$")
set_property(TEST commandline_no_display_wayland APPEND PROPERTY ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:wayland")
# "--" ends the options: alone it is no option at all; what follows it is an argument.
zorvexa_command_line_test(end_of_options hu_HU.UTF-8 "^zorvexa: nincs grafikus kijelző[^\n]*\nexit code 1\n$" --)
zorvexa_command_line_test(argument_after_end_of_options hu_HU.UTF-8
  "^zorvexa: fölösleges argumentum: --help [^\n]*\nexit code 2\n$" -- --help)
