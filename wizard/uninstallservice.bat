@echo off
rem Stops and removes the Halvorn dialer service.
tarvolt -d
