# varorizo_source_date(SOURCE_DIR OUT): the time that stands for the sources in what is made of
# them (the packed files' dates, the signing time), in seconds since 1970: SOURCE_DATE_EPOCH when
# set, else the time of the sources' last commit, else 1980-01-02. The same sources so give the
# same bytes.
function(varorizo_source_date source_dir out)
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    if(epoch STREQUAL "")
        execute_process(COMMAND git -C ${source_dir} log -1 --format=%ct
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        set(epoch 315619200)
    endif()
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()
