# Build time. Most of a fresh build is the compiler reading Qt's headers
# again for every file (each QML file becomes a C++ file of its own that
# includes QtQml), so each Qt target precompiles the headers its files share,
# and the targets whose files compile together cleanly are unity builds.
# Every preset gets both (GCC and clang alike).
#
#   -DPONDREL_UNITY_BUILD=OFF                  one object per source file again
#   -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON      no precompiled headers

option(PONDREL_UNITY_BUILD "Compile the sources of each library in batches" ON)

# The headers of each layer, all of them already included by most of that
# layer's files: a header few files need would only slow the others.
set(pondrel_std_headers <algorithm> <array> <chrono> <functional> <map> <memory> <optional>
    <string> <string_view> <vector>)
set(pondrel_core_headers ${pondrel_std_headers} <QByteArray> <QList> <QObject> <QSettings>
    <QString> <QStringList> <QTimer> <QVariant>)
set(pondrel_quick_headers ${pondrel_core_headers} <QGuiApplication> <QtQml/qqml.h>
    <QtQml/qqmlprivate.h> <QQmlEngine> <QQuickItem> <QQuickView>)
set(pondrel_test_headers <gtest/gtest.h>)

# pondrel_precompile(<target> <layer>...): precompiles the headers of the
# given layers (std, core, quick, test) for the target's own files. Only for
# a target of several compiles: a unity build of one batch (with its moc
# file) reads the headers as often as the precompiling would.
function(pondrel_precompile target)
    set(headers)
    foreach(layer IN LISTS ARGN)
        list(APPEND headers ${pondrel_${layer}_headers})
    endforeach()
    list(REMOVE_DUPLICATES headers)
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# pondrel_unity_build(<target>...): the targets' files compile in batches.
function(pondrel_unity_build)
    if(PONDREL_UNITY_BUILD)
        set_target_properties(${ARGN} PROPERTIES UNITY_BUILD ON)
    endif()
endfunction()

# ccache takes a precompiled header only when told that its macros and
# time stamps may be trusted; without this every compile would miss.
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache" AND NOT CMAKE_DISABLE_PRECOMPILE_HEADERS)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
