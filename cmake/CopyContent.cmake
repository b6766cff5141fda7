# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the runtime content folders from data/ beside the program; sound effects
# lie directly beside it.
foreach(folder layouts tiles bkg music help)
  if(IS_DIRECTORY ${SRC}/${folder})
    file(COPY ${SRC}/${folder} DESTINATION ${DST})
  endif()
endforeach()
if(IS_DIRECTORY ${SRC}/sounds)
  file(GLOB waves ${SRC}/sounds/*.wav)
  if(waves)
    file(COPY ${waves} DESTINATION ${DST})
  endif()
endif()
