# Checks what the shared library exports: the entry points and the public
# classes, and none of the pages, dialog-style pages or the tracing decorator.
# cmake -DLIBRARY=path/libvantor.so -P ExportedSymbols.cmake
execute_process(COMMAND nm -DC --defined-only ${LIBRARY} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]*vantor::(CellProp|BookProp|SheetProp|BookandSheetProp|AppProp|AppMisc|SheetProtectPass|CellStyles|CellStyleName|SheetChoice|NumberFormatModel|SettingsStore|BrowseFolder|Trac)[^\n]*"
  internal "${symbols}")
if(internal)
  string(REPLACE ";" "\n" internal "${internal}")
  message(FATAL_ERROR "Internal symbols exported:\n${internal}")
endif()
foreach(name "DllGetClassObject" "VantorCreateInstance" "vantor::PropertyPage::SetTargets"
             "vantor::ClassTable::Create" "vantor::Variant::ToString" "vantor::Environment::Install"
             "vantor::CheckBox::SetValue")
  string(FIND "${symbols}" "${name}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${name} is not exported")
  endif()
endforeach()
string(REGEX MATCHALL "\n" lines "\n${symbols}")
list(LENGTH lines count)
message(STATUS "${count} symbols exported")
