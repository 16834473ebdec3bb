# The Debian package of the normal build:
#   cpack --config build/CPackConfig.cmake -B build/pacote
# makes tarvinel_<version>_amd64.deb with everything `cmake --install`
# installs under /usr. The libraries it needs come from the binaries
# (dpkg-shlibdeps; the X11 platform plugin and the JPEG encoder come with
# libqt6gui6); what Qt loads at run time and no binary names is listed by
# hand: Qt's own Portuguese translations, and the Wayland platform plugin as
# a recommendation (without it a Wayland desktop runs the program through
# XWayland).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvinel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orbelin)
set(CPACK_PACKAGE_CONTACT "Orbelin <contato@tarvinel.com.br>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tarvinel.com.br)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coordenação da proteção de subestações de média tensão")
# The first line of Description is the summary above; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ferramenta do engenheiro de proteção de subestações de clientes em média
tensão: coordenogramas tempo x corrente (relés, religadores, elos fusíveis,
pontos ANSI e de inrush, curvas de dano de cabos), cálculo dos ajustes do
relé do cliente com memorial completo, ensaio de relés e curvas do usuário.
.
Traz o programa tarvinel, o tarvinel-cli para scripts (relatório e tempos
em JSON, imagem JPEG, PNG ou SVG, PDF), o manual e os estudos de exemplo.")
include(CPack)
