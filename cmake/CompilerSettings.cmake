# Texts of the program are French and the platform's ANSI code page is 1252:
# sources stay UTF-8 and string literals are stored as CP1252 in both trees,
# so the native tests compare exactly the bytes Windows will show.
add_compile_options(-Wall -Wextra)
# clang knows no execution character set but UTF-8: the clang (fuzz) tree
# keeps its literals in UTF-8, which only changes the bytes of messages.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP1252)
endif()

if(WIN32)
  # Nothing beyond system DLLs and ZEF.dll may be needed at run time.
  # -static lets the driver put the static runtime libraries (winpthread
  # included) where they belong on the link line; import libraries such as
  # ZEF's and the system DLLs' are archives too, so they still link dynamically.
  add_link_options(-static)
  add_compile_definitions(WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
endif()

if(PELMORA_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(PELMORA_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
