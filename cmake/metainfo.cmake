# The AppStream metainfo from its template and the change history: one
# <release> per "versao X.Y" of data/changelog, newest first as the history
# lists them, with its numbered lines as the release notes. A version line
# may carry its date, "versao 2.1 (2027-03-01)"; an undated version (the one
# being built) gets the build's date.
#   tarvinel_metainfo(TEMPLATE CHANGELOG CONTATO_H SAIDA)
function(tarvinel_metainfo modelo changelog contato saida)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${modelo} ${changelog} ${contato})
  # The maker's addresses, from the one place the program has them.
  file(READ ${contato} cont)
  string(REGEX MATCH "email_contato = \"([^\"]*)\"" _ "${cont}")
  set(TARVINEL_EMAIL ${CMAKE_MATCH_1})
  string(REGEX MATCH "site_contato = \"([^\"]*)\"" _ "${cont}")
  set(TARVINEL_SITE ${CMAKE_MATCH_1})

  file(READ ${changelog} txt)
  # XML text, and nothing left that a CMake list would split on or group by.
  string(REPLACE "&" "&amp;" txt "${txt}")
  string(REPLACE "<" "&lt;" txt "${txt}")
  string(REPLACE ">" "&gt;" txt "${txt}")
  string(REPLACE ";" "&#59;" txt "${txt}")
  string(REPLACE "[" "&#91;" txt "${txt}")
  string(REPLACE "]" "&#93;" txt "${txt}")
  string(REPLACE "\\" "&#92;" txt "${txt}")
  string(REPLACE "\r" "" txt "${txt}")
  string(REPLACE "\n" ";" linhas "${txt}")
  string(TIMESTAMP hoje "%Y-%m-%d")

  set(rel "")
  set(aberta FALSE)
  foreach(l IN LISTS linhas)
    if(l MATCHES "^versao ([0-9][0-9.]*)( \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\))?$")
      if(aberta)
        string(APPEND rel "        </ul>\n      </description>\n    </release>\n")
      endif()
      set(data ${CMAKE_MATCH_3})
      if(NOT data)
        set(data ${hoje})
      endif()
      string(APPEND rel "    <release version=\"${CMAKE_MATCH_1}\" date=\"${data}\">\n"
                        "      <description>\n        <ul>\n")
      set(aberta TRUE)
    elseif(aberta AND l MATCHES "^[0-9]+\\. (.+)$")
      string(APPEND rel "          <li>${CMAKE_MATCH_1}</li>\n")
    endif()
  endforeach()
  if(NOT aberta)
    message(FATAL_ERROR "${changelog}: nenhuma linha \"versao X.Y\"")
  endif()
  string(APPEND rel "        </ul>\n      </description>\n    </release>\n")
  set(TARVINEL_RELEASES "${rel}")
  configure_file(${modelo} ${saida} @ONLY)
endfunction()
