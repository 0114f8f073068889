# Each public header of the machine (platform/include) compiles as the first and only include of
# a translation unit: one generated source per header, built as the object library header_check.
# The Windows builds compile the same names against the real SDK, so that a program or test that
# includes one of them alone builds in both; the names the real SDK does not take alone are left
# out there (TARVOLT_SDK_NOT_ALONE).
set(TARVOLT_PUBLIC_HEADER_DIR ${PROJECT_SOURCE_DIR}/platform/include)
file(GLOB TARVOLT_PUBLIC_HEADERS RELATIVE ${TARVOLT_PUBLIC_HEADER_DIR} CONFIGURE_DEPENDS
     ${TARVOLT_PUBLIC_HEADER_DIR}/*.h)

# The SDK's headers that need windows.h (or windef.h) before them: they use its base types
# (CONST, DWORD, SHORT, LONG, ULONG, BOOLEAN, HANDLE, LPSTR, ACCESS_MASK, CALLBACK, ...) without
# including the headers that declare them. mingw-w64 ships no ifmib.h at all.
set(TARVOLT_SDK_NOT_ALONE
    winnt.h minwinbase.h winbase.h wincon.h wingdi.h winuser.h winreg.h winsvc.h commctrl.h prsht.h shellapi.h wincrypt.h
    ipexport.h ipmib.h iptypes.h icmpapi.h netioapi.h
    ifmib.h
    wininet.h)

set(header_check_names ${TARVOLT_PUBLIC_HEADERS})
if(WIN32)
  list(REMOVE_ITEM header_check_names ${TARVOLT_SDK_NOT_ALONE})
endif()

set(header_check_sources)
foreach(header IN LISTS header_check_names)
  string(MAKE_C_IDENTIFIER ${header} source_name)
  set(source ${PROJECT_BINARY_DIR}/header_check/${source_name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "#include <${header}>\n")
  list(APPEND header_check_sources ${source})
endforeach()

add_library(header_check OBJECT ${header_check_sources})
if(NOT WIN32)
  target_include_directories(header_check PRIVATE ${TARVOLT_PUBLIC_HEADER_DIR})
endif()
