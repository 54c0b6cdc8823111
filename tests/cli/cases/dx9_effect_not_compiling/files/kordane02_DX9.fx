#error 100% broken, %d %s
