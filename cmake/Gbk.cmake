# Translation units that hold the program's Chinese texts are compiled with GBK as their
# execution character set. They must include nothing heavier than <cstddef>: the standard
# library's own literals do not all encode in GBK.
function(yanxi_gbk_sources)
  set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS "-fexec-charset=GBK")
endfunction()
