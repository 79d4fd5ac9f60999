# Fails when a picture that a window loads is missing from the generated skins folder.
set(expected
  Frame_Normal.bmp Frame_Over.bmp Frame_Down.bmp Slider.png ScrollBar.png
  ProgressBar/Progress_Normal.png ProgressBar/Progress_Over.png
  up_normal.png up_select.png down_normal.png down_select.png delay_normal.png delay_select.png
  CursorMove_normal.png CursorMove_select.png
  Main_Normal.bmp Light/LedSet_normal.bmp MacroSet_Normal.bmp Sts_Normal.bmp support_normal.bmp
  Menu/MenuNorL.BMP Menu/MenuOverL.BMP Menu/MenuDownL.BMP
  Menu/MenuNorHaveSub.BMP Menu/MenuOverHaveSub.BMP Menu/MenuDownHaveSub.BMP)
foreach(number 128 129 1004 1005 1006 1007 1008 1009 1011 1012 160 161 162 163 164 165)
  list(APPEND expected res/${number}.png)
endforeach()
foreach(number RANGE 130 153)
  list(APPEND expected res/${number}.png)
endforeach()
foreach(level RANGE 0 12)
  list(APPEND expected trophy/trophy${level}Down.bmp)
endforeach()
set(missing)
foreach(file ${expected})
  if(NOT EXISTS ${SKINS}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing skin pictures in ${SKINS}: ${missing}")
endif()
