# Public headers and install rules of the SDK.
#
# The public headers are staged in the build tree under include/g20seq/<floor>/ (links to
# the sources), so that the host code builds against exactly what an install gives a host.
# Installing copies the same headers, the shared module, the tools and the CMake package.

set(G20SEQ_PUBLIC_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)

function(g20seq_stage_public_headers)
  foreach(header IN LISTS ARGN)
    set(staged ${G20SEQ_PUBLIC_INCLUDE_DIR}/g20seq/${header})
    get_filename_component(folder ${staged} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${header} ${staged} SYMBOLIC)
  endforeach()
endfunction()

# Installed programs find the module through a run path relative to themselves, computed
# from the install's bin and lib folders (a multiarch lib folder included).
function(g20seq_install_program target)
  file(RELATIVE_PATH to_lib /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${to_lib}")
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

function(g20seq_install_module)
  install(TARGETS g20seq EXPORT G20SeqTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  foreach(header IN LISTS G20SEQ_PUBLIC_HEADERS)
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/src/${header}
            DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/g20seq/${folder})
  endforeach()
  install(FILES ${G20SEQ_PUBLIC_INCLUDE_DIR}/g20seq/support/G20SeqExport.h
          DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/g20seq/support)

  include(CMakePackageConfigHelpers)
  install(EXPORT G20SeqTargets NAMESPACE G20Seq:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/G20Seq)
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/G20SeqConfig.cmake.in
    ${PROJECT_BINARY_DIR}/G20SeqConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/G20Seq)
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/G20SeqConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/G20SeqConfig.cmake
                ${PROJECT_BINARY_DIR}/G20SeqConfigVersion.cmake
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/G20Seq)
endfunction()
