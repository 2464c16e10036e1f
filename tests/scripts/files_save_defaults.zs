# A file saved right after start-up holds the 105 lines of the defaults, CR LF each,
# and saving over an existing file replaces it without a question.
start
file "settings.wpx" "old content"
dialog "settings.wpx"
click SaveFileButton
expect-file "settings.wpx" "9000=1\r\n0001=1\r\n0002=0\r\n0003=1\r\n0004=0\r\n0005=0\r\n0006=1\r\n0007=1\r\n0008=1\r\n0009=0\r\n0010=0\r\n0011=0\r\n0012=8\r\n0013=3500\r\n0014=5\r\n0015=1\r\n0016=0\r\n0017=0\r\n0018=3\r\n0019=0\r\n0020=0\r\n0021=2\r\n0022=0\r\n0023=0\r\n0024=0\r\n0025=1\r\n0026=0\r\n0027=0\r\n0028=2\r\n0029=0\r\n0030=0\r\n0031=0\r\n0032=5\r\n0033=0\r\n0034=6\r\n0035=9\r\n0036=6\r\n0037=9\r\n0038=200\r\n0039=5\r\n0040=0\r\n0041=0\r\n0042=0\r\n0043=1\r\n0044=1000\r\n0045=0\r\n0046=0\r\n0047=0\r\n0048=0\r\n0049=0\r\n1001=0\r\n1002=0\r\n1003=1\r\n1004=1\r\n1005=0\r\n1006=9\r\n1007=3\r\n1008=0\r\n1009=0\r\n1010=70\r\n1011=1\r\n1012=0\r\n1013=1\r\n1014=0\r\n1015=0\r\n1016=1\r\n1017=0\r\n1018=2\r\n1019=0\r\n1020=0\r\n1021=0\r\n1022=0\r\n1023=1\r\n1024=0\r\n1025=0\r\n1026=0\r\n1027=0\r\n1028=2\r\n1029=0\r\n1030=0\r\n1031=0\r\n1032=0\r\n1033=3\r\n1034=0\r\n1035=0\r\n1036=1\r\n1037=0\r\n1038=4\r\n1039=500\r\n1040=0\r\n1041=1\r\n1042=0\r\n1043=5\r\n1044=500\r\n1045=0\r\n1046=1\r\n1047=1\r\n1048=8\r\n1049=0\r\n1050=0\r\n1051=1\r\n1052=1\r\n1053=6\r\n1054=0\r\n1055=0\r\n"
expect-no-prompt
