float999x999 m; float4x0 n; float0 o; vector<float, 100> p; matrix<float, 5, 5> q;
