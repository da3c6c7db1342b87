[playlist]
numberofentries=3
File1=http://stream.example.com:8000
Title1=(#1 - 12/500) Example Radio
Length1=-1
File2=http://198.51.100.7:8010/
Title2=(#2 - 3/100) Example Radio
Length2=-1
File3=mms://media.example.com
Title3=Media
Length3=-1
Version=2
