# Compile settings shared by every target of the project.
add_library(uninstall_common INTERFACE)
target_compile_options(uninstall_common INTERFACE -Wall -Wextra)
if(UNINSTALL_WERROR)
    target_compile_options(uninstall_common INTERFACE -Werror)
endif()
target_compile_definitions(uninstall_common INTERFACE
    QT_USE_QSTRINGBUILDER
    QT_NO_CAST_FROM_BYTEARRAY
    QT_DEPRECATED_WARNINGS)

if(UNINSTALL_SANITIZE)
    target_compile_options(uninstall_common INTERFACE
        -fsanitize=${UNINSTALL_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(uninstall_common INTERFACE -fsanitize=${UNINSTALL_SANITIZE})
endif()
